#include "toolkit/fonts.h"

#include <cmath>
#include <map>

#include "toolkit/backend.h"

namespace tk {

namespace {

constexpr int FallbackDpi = 96;
constexpr int FirstFreeNumber = 0x10000;

std::map<int, FontHandle>& Fonts() {
    static std::map<int, FontHandle> fonts;
    return fonts;
}

}  // namespace

int PixelHeightForPoints(int points, int dpi) {
    return static_cast<int>(std::lround(points * static_cast<double>(dpi) / 72.0));
}

std::intptr_t LoadFont(int number, const std::u16string& face, int points, unsigned flags) {
    if (number < 0 && number != AnyNumber) return 0;
    const bool any = number == AnyNumber;
    if (any) {
        number = FirstFreeNumber;
        while (Fonts().count(number))
            ++number;
    } else {
        FreeFont(number);
    }
    const int dpi = backend::VerticalDpi();
    const FontHandle font =
        backend::NewFont(face, PixelHeightForPoints(points, dpi > 0 ? dpi : FallbackDpi), flags);
    if (!font) return 0;
    Fonts()[number] = font;
    return any ? number : font;
}

void FreeFont(int number) {
    auto it = Fonts().find(number);
    if (it == Fonts().end()) return;
    backend::FreeFont(it->second);
    Fonts().erase(it);
}

bool IsFont(int number) {
    return Fonts().count(number) != 0;
}

FontHandle FontID(int number) {
    auto it = Fonts().find(number);
    return it == Fonts().end() ? 0 : it->second;
}

int FontCount() {
    return static_cast<int>(Fonts().size());
}

FontHandle DefaultFont() {
    return backend::DefaultFont();
}

namespace detail {

void FreeAllFonts() {
    while (!Fonts().empty())
        FreeFont(Fonts().begin()->first);
}

}  // namespace detail

}  // namespace tk
