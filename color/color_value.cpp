#include "color/color_value.h"

ColorValue MakeColor(std::int32_t red, std::int32_t green, std::int32_t blue) {
    // Unsigned arithmetic wraps without undefined behaviour; the conversion
    // back to a signed value is modular since C++20.
    const std::uint32_t packed = static_cast<std::uint32_t>(red) +
                                 static_cast<std::uint32_t>(green) * 256u +
                                 static_cast<std::uint32_t>(blue) * 65536u;
    return static_cast<ColorValue>(packed);
}

// Shifts on the unsigned bit pattern are logical, so negative values work.
int RedOf(ColorValue c) {
    return static_cast<int>(static_cast<std::uint32_t>(c) & 255u);
}

int GreenOf(ColorValue c) {
    return static_cast<int>((static_cast<std::uint32_t>(c) >> 8) & 255u);
}

int BlueOf(ColorValue c) {
    return static_cast<int>((static_cast<std::uint32_t>(c) >> 16) & 255u);
}
