#include "toolkit/images.h"

#include <map>
#include <memory>

namespace tk {

namespace {

constexpr int FirstFreeNumber = 0x10000;

std::map<int, std::unique_ptr<Surface>>& Images() {
    static std::map<int, std::unique_ptr<Surface>> images;
    return images;
}

}  // namespace

std::intptr_t NewImage(int number, int w, int h) {
    if (w < 1 || h < 1 || (number < 0 && number != AnyNumber)) return 0;
    const bool any = number == AnyNumber;
    if (any) {
        number = FirstFreeNumber;
        while (Images().count(number))
            ++number;
    }
    auto& slot = Images()[number];
    slot = std::make_unique<Surface>(w, h, 0);
    return any ? number : reinterpret_cast<std::intptr_t>(slot.get());
}

void FreeImage(int number) {
    Images().erase(number);
}

bool IsImage(int number) {
    return Images().count(number) != 0;
}

ImageHandle ImageID(int number) {
    auto it = Images().find(number);
    return it == Images().end() ? 0 : reinterpret_cast<ImageHandle>(it->second.get());
}

int ImageWidth(int number) {
    auto it = Images().find(number);
    return it == Images().end() ? 0 : it->second->width;
}

int ImageHeight(int number) {
    auto it = Images().find(number);
    return it == Images().end() ? 0 : it->second->height;
}

int ImageCount() {
    return static_cast<int>(Images().size());
}

Surface* ImageSurface(ImageHandle image) {
    // Only live images: a stale handle finds nothing rather than freed memory.
    for (auto& [number, surface] : Images())
        if (reinterpret_cast<ImageHandle>(surface.get()) == image) return surface.get();
    return nullptr;
}

namespace detail {

void FreeAllImages() {
    Images().clear();
}

}  // namespace detail

}  // namespace tk
