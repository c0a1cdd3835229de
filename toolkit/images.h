// 24-bit images by number. Each owns a pixel buffer that drawing works on.
#pragma once

#include <cstdint>

#include "toolkit/surface.h"
#include "toolkit/types.h"

namespace tk {

// A new image filled black. Returns the handle, the new number for
// AnyNumber, 0 on failure (a size below 1).
std::intptr_t NewImage(int number, int w, int h);
void FreeImage(int number);
bool IsImage(int number);
ImageHandle ImageID(int number);  // 0 for a missing image
int ImageWidth(int number);
int ImageHeight(int number);
int ImageCount();  // live images, for leak checks

// The buffer behind a handle, or null.
Surface* ImageSurface(ImageHandle image);

namespace detail {
void FreeAllImages();
}

}  // namespace tk
