#pragma once

#include <cstdint>
#include <string>

// The tool's own text rules. Converters never validate their input, so these
// rules alone decide what malformed codes turn into; none of them fails.
// Lengths and positions count UTF-16 code units; positions are 1-based.

// --- Number reading ---

// Skips blanks and tabs, takes one optional "-" or "+", then reads "$" hex,
// "%" binary or plain decimal digits up to the first non-digit. Arithmetic
// wraps modulo 2^64; a text without digits gives 0.
std::int64_t ReadNumber(const std::u16string& text);

// ReadNumber("$" + slice): a slice of at most two characters gives 0-255.
std::int64_t ReadHexPair(const std::u16string& slice);

struct RgbChannels {
    std::int64_t red;
    std::int64_t green;
    std::int64_t blue;
};

// The first three comma-separated numbers of a lower-cased "rgb(" or "rgba"
// text, each stripped of ")", "rgb(" and "rgba(". A missing field reads as 0.
RgbChannels ReadRgbFields(const std::u16string& text);

// --- Number writing ---

// Signed decimal, "-" for negatives, no padding or grouping.
std::u16string DecimalText(std::int64_t n);

// Upper-case hex of the 64-bit two's-complement pattern, no leading zeros.
std::u16string HexText(std::int64_t n);

// Pads on the left with fill up to width, or keeps only the first width
// characters of a longer text. A width below 0 counts as 0. A width too large
// to allocate throws like any string growth (std::length_error/bad_alloc).
std::u16string PadLeft(const std::u16string& text, std::int64_t width, char16_t fill);

// PadLeft(HexText(n), 2, '0'): values above 255 keep their first two digits.
std::u16string HexPair(std::int64_t n);

// --- Text operations ---

// Removes leading and trailing U+0020 only; tabs and line breaks stay.
std::u16string TrimSpaces(const std::u16string& text);

// Lower-cases A-Z and the upper-case letters of Latin-1, Latin Extended-A,
// Greek and Coptic, Cyrillic (with its supplement) and fullwidth Latin.
// Everything else is kept as it is.
std::u16string ToLower(const std::u16string& text);

// Removes every occurrence of part in one left-to-right pass; text that
// comes together after a removal is not searched again.
std::u16string RemoveAll(const std::u16string& text, const std::u16string& part);

// The index-th (1-based) field between separators; empty when out of range.
std::u16string FieldAt(const std::u16string& text, std::int64_t index, char16_t separator);

// Position of part at or after start (below 1 counts as 1), or 0.
std::int64_t FindFirst(const std::u16string& text, const std::u16string& part, std::int64_t start);

std::u16string LeftChars(const std::u16string& text, std::int64_t n);
std::u16string RightChars(const std::u16string& text, std::int64_t n);

// Up to n characters from position start (below 1 counts as 1).
std::u16string MidChars(const std::u16string& text, std::int64_t start, std::int64_t n);
// Everything from position start to the end.
std::u16string MidChars(const std::u16string& text, std::int64_t start);

struct CodeSliceSet {
    std::u16string first;
    std::u16string second;
    std::u16string third;
};

// LeftChars(body, 2), MidChars(body, 3, 2), RightChars(body, 2).
CodeSliceSet CodeSlices(const std::u16string& body);
