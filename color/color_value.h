#pragma once

#include <cstdint>

// One colour packed in the system's byte order: red in bits 0-7, green in
// bits 8-15, blue in bits 16-23. Written as six hex digits it reads BBGGRR.
using ColorValue = std::int32_t;

// Marks that no colour has been chosen; any negative value counts as none.
inline constexpr ColorValue NoColor = -1;

// red + green * 256 + blue * 65536 with 32-bit wrap-around. Channels are not
// masked or clamped, so one outside 0-255 spills into its neighbours.
constexpr ColorValue MakeColor(std::int32_t red, std::int32_t green, std::int32_t blue) {
    // Unsigned arithmetic wraps without undefined behaviour; the conversion
    // back to a signed value is modular since C++20.
    const std::uint32_t packed = static_cast<std::uint32_t>(red) +
                                 static_cast<std::uint32_t>(green) * 256u +
                                 static_cast<std::uint32_t>(blue) * 65536u;
    return static_cast<ColorValue>(packed);
}

// Each gives 0-255 and ignores bits 24-31; the shifts on the unsigned bit
// pattern are logical, so negative values work.
constexpr int RedOf(ColorValue c) {
    return static_cast<int>(static_cast<std::uint32_t>(c) & 255u);
}

constexpr int GreenOf(ColorValue c) {
    return static_cast<int>((static_cast<std::uint32_t>(c) >> 8) & 255u);
}

constexpr int BlueOf(ColorValue c) {
    return static_cast<int>((static_cast<std::uint32_t>(c) >> 16) & 255u);
}
