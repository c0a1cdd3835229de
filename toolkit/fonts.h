// Fonts by number.
#pragma once

#include <cstdint>
#include <string>

#include "toolkit/types.h"

namespace tk {

// Loads a font of the face at the size in points (pixel height = points x the
// screen's vertical DPI / 72, rounded; 96 DPI when unknown). FontFlags select
// the style. Returns the handle, the new number for AnyNumber, 0 on failure.
std::intptr_t LoadFont(int number, const std::u16string& face, int points, unsigned flags);
void FreeFont(int number);
bool IsFont(int number);
FontHandle FontID(int number);  // 0 for a missing font
FontHandle DefaultFont();       // the platform's default gadget font
int FontCount();                // live fonts, for leak checks

int PixelHeightForPoints(int points, int dpi);

namespace detail {
void FreeAllFonts();
}

}  // namespace tk
