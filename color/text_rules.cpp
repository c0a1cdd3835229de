#include "color/text_rules.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>

namespace {

// Value of a digit in any base up to 16, or 16 for a non-digit.
unsigned DigitValue(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    return 16;
}

std::int64_t Length(const std::u16string& text) {
    return static_cast<std::int64_t>(text.size());
}

// Digits of value in the given base, most significant first.
std::u16string DigitsOf(std::uint64_t value, unsigned base) {
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    std::u16string reversed;
    do {
        reversed.push_back(kDigits[value % base]);
        value /= base;
    } while (value != 0);
    return {reversed.rbegin(), reversed.rend()};
}

// One run of upper-case letters and the distance to their lower case. With
// alternate set only every other code unit from first on is upper case, as
// in the blocks where upper and lower case letters come in adjacent pairs.
struct CaseRange {
    char16_t first;
    char16_t last;
    std::int32_t delta;
    bool alternate;
};

// Simple (one-to-one) lower-case mappings, sorted by first.
// clang-format off
constexpr std::array<CaseRange, 34> kCaseRanges{{
    {0x0041, 0x005A, 32, false},    // A-Z
    {0x00C0, 0x00D6, 32, false},    // Latin-1 letters before the multiplication sign
    {0x00D8, 0x00DE, 32, false},    // Latin-1 letters after it
    {0x0100, 0x012F, 1, true},      // Latin Extended-A pairs
    {0x0130, 0x0130, -199, false},  // capital I with dot above -> i
    {0x0132, 0x0137, 1, true},
    {0x0139, 0x0148, 1, true},
    {0x014A, 0x0177, 1, true},
    {0x0178, 0x0178, -121, false},  // capital Y with diaeresis -> U+00FF
    {0x0179, 0x017E, 1, true},
    {0x0370, 0x0373, 1, true},      // Greek heta and sampi
    {0x0376, 0x0376, 1, false},     // pamphylian digamma
    {0x037F, 0x037F, 116, false},   // yot
    {0x0386, 0x0386, 38, false},    // capitals with tonos
    {0x0388, 0x038A, 37, false},
    {0x038C, 0x038C, 64, false},
    {0x038E, 0x038F, 63, false},
    {0x0391, 0x03A1, 32, false},    // Alpha-Rho
    {0x03A3, 0x03AB, 32, false},    // Sigma-Upsilon with dialytika
    {0x03CF, 0x03CF, 8, false},     // kai symbol
    {0x03D8, 0x03EF, 1, true},      // archaic letters and Coptic pairs
    {0x03F4, 0x03F4, -60, false},   // theta symbol -> theta
    {0x03F7, 0x03F7, 1, false},     // sho
    {0x03F9, 0x03F9, -7, false},    // lunate sigma
    {0x03FA, 0x03FA, 1, false},     // san
    {0x03FD, 0x03FF, -130, false},  // reversed lunate sigmas
    {0x0400, 0x040F, 80, false},    // Cyrillic Ie with grave to Dzhe
    {0x0410, 0x042F, 32, false},    // Cyrillic A-Ya
    {0x0460, 0x0481, 1, true},      // historic Cyrillic pairs
    {0x048A, 0x04BF, 1, true},
    {0x04C0, 0x04C0, 15, false},    // palochka
    {0x04C1, 0x04CE, 1, true},
    {0x04D0, 0x052F, 1, true},      // pairs to the end of Cyrillic Supplement
    {0xFF21, 0xFF3A, 32, false},    // fullwidth A-Z
}};
// clang-format on

char16_t LowerOf(char16_t c) {
    for (const CaseRange& range : kCaseRanges) {
        if (c < range.first) break;
        if (c > range.last) continue;
        if (range.alternate && (c - range.first) % 2 != 0) return c;
        return static_cast<char16_t>(c + range.delta);
    }
    return c;
}

}  // namespace

std::int64_t ReadNumber(const std::u16string& text) {
    std::size_t i = 0;
    const std::size_t end = text.size();
    while (i < end && (text[i] == u' ' || text[i] == u'\t'))
        ++i;

    bool negative = false;
    if (i < end && text[i] == u'-') {
        negative = true;
        ++i;
    } else if (i < end && text[i] == u'+') {
        ++i;
    }

    unsigned base = 10;
    if (i < end && text[i] == u'$') {
        base = 16;
        ++i;
    } else if (i < end && text[i] == u'%') {
        base = 2;
        ++i;
    }

    // Unsigned arithmetic gives the required wrap-around modulo 2^64.
    std::uint64_t value = 0;
    for (; i < end; ++i) {
        const unsigned digit = DigitValue(text[i]);
        if (digit >= base) break;
        value = value * base + digit;
    }
    if (negative) value = 0 - value;
    return static_cast<std::int64_t>(value);
}

std::int64_t ReadHexPair(const std::u16string& slice) {
    return ReadNumber(u"$" + slice);
}

RgbChannels ReadRgbFields(const std::u16string& text) {
    std::int64_t numbers[3] = {0, 0, 0};
    for (std::int64_t i = 1; i <= 3; ++i) {
        std::u16string field = TrimSpaces(ToLower(FieldAt(text, i, u',')));
        field = RemoveAll(field, u")");
        field = RemoveAll(field, u"rgb(");
        field = RemoveAll(field, u"rgba(");
        numbers[i - 1] = ReadNumber(field);
    }
    return {numbers[0], numbers[1], numbers[2]};
}

std::u16string DecimalText(std::int64_t n) {
    // Negating in unsigned arithmetic also covers the most negative value.
    const std::uint64_t bits = static_cast<std::uint64_t>(n);
    if (n < 0) return u"-" + DigitsOf(0 - bits, 10);
    return DigitsOf(bits, 10);
}

std::u16string HexText(std::int64_t n) {
    return DigitsOf(static_cast<std::uint64_t>(n), 16);
}

std::u16string PadLeft(const std::u16string& text, std::int64_t width, char16_t fill) {
    if (width <= 0) return {};
    if (Length(text) >= width) return text.substr(0, static_cast<std::size_t>(width));
    std::u16string padded(static_cast<std::size_t>(width - Length(text)), fill);
    return padded + text;
}

std::u16string HexPair(std::int64_t n) {
    return PadLeft(HexText(n), 2, u'0');
}

std::u16string TrimSpaces(const std::u16string& text) {
    const std::size_t first = text.find_first_not_of(u' ');
    if (first == std::u16string::npos) return {};
    const std::size_t last = text.find_last_not_of(u' ');
    return text.substr(first, last - first + 1);
}

std::u16string ToLower(const std::u16string& text) {
    std::u16string lower(text);
    for (char16_t& c : lower)
        c = LowerOf(c);
    return lower;
}

std::u16string RemoveAll(const std::u16string& text, const std::u16string& part) {
    if (text.empty() || part.empty()) return text;
    std::u16string kept;
    kept.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (text.compare(i, part.size(), part) == 0) {
            i += part.size();
        } else {
            kept.push_back(text[i]);
            ++i;
        }
    }
    return kept;
}

std::u16string FieldAt(const std::u16string& text, std::int64_t index, char16_t separator) {
    if (index < 1) return {};
    std::size_t begin = 0;
    // Walks at most as many fields as the text has, however large index is.
    for (std::int64_t field = 1;; ++field) {
        const std::size_t end = text.find(separator, begin);
        if (field == index) {
            return end == std::u16string::npos ? text.substr(begin)
                                               : text.substr(begin, end - begin);
        }
        if (end == std::u16string::npos) return {};
        begin = end + 1;
    }
}

std::int64_t FindFirst(const std::u16string& text, const std::u16string& part, std::int64_t start) {
    if (text.empty() || part.empty()) return 0;
    start = std::max<std::int64_t>(start, 1);
    if (start > Length(text)) return 0;
    const std::size_t found = text.find(part, static_cast<std::size_t>(start - 1));
    return found == std::u16string::npos ? 0 : static_cast<std::int64_t>(found) + 1;
}

std::u16string LeftChars(const std::u16string& text, std::int64_t n) {
    if (n <= 0) return {};
    if (n >= Length(text)) return text;
    return text.substr(0, static_cast<std::size_t>(n));
}

std::u16string RightChars(const std::u16string& text, std::int64_t n) {
    if (n <= 0) return {};
    if (n >= Length(text)) return text;
    return text.substr(static_cast<std::size_t>(Length(text) - n));
}

std::u16string MidChars(const std::u16string& text, std::int64_t start, std::int64_t n) {
    start = std::max<std::int64_t>(start, 1);
    if (n <= 0 || start > Length(text)) return {};
    // start - 1 lies within the text here, so the remaining count cannot wrap.
    const std::int64_t available = Length(text) - (start - 1);
    return text.substr(static_cast<std::size_t>(start - 1),
                       static_cast<std::size_t>(std::min(n, available)));
}

std::u16string MidChars(const std::u16string& text, std::int64_t start) {
    return MidChars(text, start, std::numeric_limits<std::int64_t>::max());
}

CodeSliceSet CodeSlices(const std::u16string& body) {
    return {LeftChars(body, 2), MidChars(body, 3, 2), RightChars(body, 2)};
}
