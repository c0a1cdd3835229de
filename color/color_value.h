#pragma once

#include <cstdint>

// One colour packed in the system's byte order: red in bits 0-7, green in
// bits 8-15, blue in bits 16-23. Written as six hex digits it reads BBGGRR.
using ColorValue = std::int32_t;

// Marks that no colour has been chosen; any negative value counts as none.
inline constexpr ColorValue NoColor = -1;

// red + green * 256 + blue * 65536 with 32-bit wrap-around. Channels are not
// masked or clamped, so one outside 0-255 spills into its neighbours.
ColorValue MakeColor(std::int32_t red, std::int32_t green, std::int32_t blue);

// Each gives 0-255 and ignores bits 24-31.
int RedOf(ColorValue c);
int GreenOf(ColorValue c);
int BlueOf(ColorValue c);
