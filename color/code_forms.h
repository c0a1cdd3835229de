#pragma once

#include <cstdint>
#include <string>

// The five colour code forms the tool writes, from three channel numbers
// taken as read (not clamped). Hex digits come out in upper case.

// "#" + HexPair(red) + HexPair(green) + HexPair(blue)
std::u16string FormatWebCode(std::int64_t red, std::int64_t green, std::int64_t blue);

// "$" + HexPair(blue) + HexPair(green) + HexPair(red)
std::u16string FormatPbCode(std::int64_t red, std::int64_t green, std::int64_t blue);

// "rgb(r,g,b)" in decimal, no blanks.
std::u16string FormatRgbCode(std::int64_t red, std::int64_t green, std::int64_t blue);

// "rgb(r,g,b)" with each number PadLeft to three characters with blanks.
std::u16string FormatPaddedRgbCode(std::int64_t red, std::int64_t green, std::int64_t blue);

// "rgba(r,g,b,1.0)": the alpha is always the literal 1.0.
std::u16string FormatRgbaCode(std::int64_t red, std::int64_t green, std::int64_t blue);
