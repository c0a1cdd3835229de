#include "color/text_rules.h"

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

namespace {

constexpr std::int64_t kMax64 = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin64 = std::numeric_limits<std::int64_t>::min();

struct TextToNumber {
    std::u16string text;
    std::int64_t expected;
};

struct NumberToText {
    std::int64_t number;
    std::u16string expected;
};

// --- Number reading ---

TEST(ReadNumber, FollowsTheReadingSteps) {
    const TextToNumber cases[] = {
        {u"", 0},       {u"42", 42},     {u" \t \t42", 42},  // blanks and tabs before the number
        {u"\n5", 0},                                         // other white space is not skipped
        {u"12abc", 12}, {u"1.9", 1},     {u"- 5", 0},        // no blank after the sign
        {u"-5", -5},    {u"+5", 5},      {u"+-5", 0},          {u"--5", 0},   {u"$fF", 255},
        {u"$-ff", 0},   {u"-$ff", -255}, {u"+$10", 16},        {u"$ ff", 0},  {u"$", 0},
        {u"$$1", 0},    {u"%101", 5},    {u"%102", 2},         {u"-%11", -3}, {u"%", 0},
        {u"0x1F", 0},   {u"1F", 1},      {u"\uFF11\uFF12", 0},  // fullwidth digits are not digits
        {u"  -0", 0},
    };
    for (const TextToNumber& c : cases) {
        EXPECT_EQ(ReadNumber(c.text), c.expected) << testing::PrintToString(c.text);
    }
}

TEST(ReadNumber, WrapsModulo2To64) {
    const TextToNumber cases[] = {
        {u"9223372036854775807", kMax64},
        {u"9223372036854775808", kMin64},
        {u"-9223372036854775808", kMin64},  // negating the most negative value
        {u"18446744073709551615", -1},
        {u"18446744073709551616", 0},
        {u"18446744073709551617", 1},
        {u"-18446744073709551615", 1},
        {u"$FFFFFFFFFFFFFFFF", -1},
        {u"$1FFFFFFFFFFFFFFFF", -1},
        {u"$8000000000000000", kMin64},
        {u"-$8000000000000000", kMin64},
        {u"%1" + std::u16string(64, u'0'), 0},
        {u"%1" + std::u16string(63, u'0'), kMin64},
    };
    for (const TextToNumber& c : cases) {
        EXPECT_EQ(ReadNumber(c.text), c.expected) << testing::PrintToString(c.text);
    }
}

TEST(ReadHexPair, ReadsASliceAsHexUpToTheFirstNonDigit) {
    const TextToNumber cases[] = {
        {u"1G", 1},  {u"G1", 0}, {u"a", 10}, {u" 1", 0}, {u"", 0},   {u"ff", 255}, {u"FF", 255},
        {u"0A", 10}, {u"-1", 0}, {u"+1", 0}, {u"$1", 0}, {u"%1", 0}, {u"\t1", 0},
    };
    for (const TextToNumber& c : cases) {
        EXPECT_EQ(ReadHexPair(c.text), c.expected) << testing::PrintToString(c.text);
    }
}

TEST(ReadRgbFields, ReadsTheFirstThreeFields) {
    struct Case {
        std::u16string text;
        std::int64_t red, green, blue;
    };
    const Case cases[] = {
        {u"rgb(26,43,60)", 26, 43, 60},
        {u"rgba(10,20,30,0.5)", 10, 20, 30},  // alpha never read
        {u"rgb(255, 0, 128)", 255, 0, 128},
        {u"rgb( 10 , 20 , 30 )", 10, 20, 30},
        {u"RGB(1,2,3)", 1, 2, 3},  // each field is lower-cased again
        {u"rgb(12,34)", 12, 34, 0},
        {u"rgb()", 0, 0, 0},
        {u"rgb(", 0, 0, 0},
        {u"rgb(300,0,0)", 300, 0, 0},
        {u"rgb(-1,0,0)", -1, 0, 0},
        {u"rgba 1,2,3", 0, 2, 3},
        {u"rgb(12px,12.7,$ff)", 12, 12, 255},
        {u"rgb(1,2,3,4,5)", 1, 2, 3},
        {u"rgb(\t5,6,7)", 5, 6, 7},
        {u"rgb(1,rgb(2,3))", 1, 2, 3},
        {u"rgba(rgb(7,8,9)", 7, 8, 9},  // "rgb(" goes first and exposes "rgba("
        {u"rgb(1)2,3,4", 12, 3, 4},     // ")" removed everywhere in a field
    };
    for (const Case& c : cases) {
        const RgbChannels channels = ReadRgbFields(c.text);
        SCOPED_TRACE(testing::PrintToString(c.text));
        EXPECT_EQ(channels.red, c.red);
        EXPECT_EQ(channels.green, c.green);
        EXPECT_EQ(channels.blue, c.blue);
    }
}

// --- Number writing ---

TEST(DecimalText, WritesSignedDecimal) {
    const NumberToText cases[] = {
        {0, u"0"},
        {7, u"7"},
        {10, u"10"},
        {255, u"255"},
        {-12, u"-12"},
        {kMax64, u"9223372036854775807"},
        {kMin64, u"-9223372036854775808"},
    };
    for (const NumberToText& c : cases)
        EXPECT_EQ(DecimalText(c.number), c.expected) << c.number;
}

TEST(HexText, WritesUpperCaseTwosComplementHex) {
    const NumberToText cases[] = {
        {0, u"0"},
        {10, u"A"},
        {255, u"FF"},
        {300, u"12C"},
        {0xABCDEF, u"ABCDEF"},
        {-1, u"FFFFFFFFFFFFFFFF"},
        {-5, u"FFFFFFFFFFFFFFFB"},
        {kMax64, u"7FFFFFFFFFFFFFFF"},
        {kMin64, u"8000000000000000"},
    };
    for (const NumberToText& c : cases)
        EXPECT_EQ(HexText(c.number), c.expected) << c.number;
}

TEST(PadLeft, PadsShortTextsAndCutsLongOnes) {
    struct Case {
        std::u16string text;
        std::int64_t width;
        char16_t fill;
        std::u16string expected;
    };
    const Case cases[] = {
        {u"abcd", 3, u'x', u"abc"}, {u"", 3, u' ', u"   "},     {u"7", 3, u' ', u"  7"},
        {u"-5", 3, u' ', u" -5"},   {u"ab", 2, u'x', u"ab"},    {u"ab", 0, u'x', u""},
        {u"ab", -1, u'x', u""},     {u"ab", kMin64, u'x', u""}, {u"F", 2, u'0', u"0F"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PadLeft(c.text, c.width, c.fill), c.expected)
            << testing::PrintToString(c.text) << " to " << c.width;
    }
}

TEST(PadLeft, ImpossibleWidthThrowsInsteadOfWrapping) {
    EXPECT_THROW(PadLeft(u"ab", kMax64, u' '), std::length_error);
}

TEST(HexPair, KeepsTheFirstTwoHexDigits) {
    const NumberToText cases[] = {
        {0, u"00"},   {10, u"0A"},   {15, u"0F"}, {16, u"10"}, {255, u"FF"},    {256, u"10"},
        {300, u"12"}, {4096, u"10"}, {-1, u"FF"}, {-5, u"FF"}, {kMin64, u"80"}, {kMax64, u"7F"},
    };
    for (const NumberToText& c : cases)
        EXPECT_EQ(HexPair(c.number), c.expected) << c.number;
}

// --- Text operations ---

TEST(TrimSpaces, RemovesOnlyOuterBlanks) {
    const std::u16string cases[][2] = {
        {u"  a b  ", u"a b"},
        {u"\ta ", u"\ta"},
        {u"a\t", u"a\t"},
        {u"   ", u""},
        {u"", u""},
        {u" \n ", u"\n"},
        {u"\u00A0a\u3000", u"\u00A0a\u3000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TrimSpaces(c[0]), c[1]) << testing::PrintToString(c[0]);
}

TEST(ToLower, LowersLettersOfTheSupportedScripts) {
    const std::u16string cases[][2] = {
        {u"RGB(255, 0, 128)", u"rgb(255, 0, 128)"},
        {u"@AZ[`az{", u"@az[`az{"},
        {u"\u00C0\u00D6\u00D7\u00D8\u00DE\u00DF\u00FF",
         u"\u00E0\u00F6\u00D7\u00F8\u00FE\u00DF\u00FF"},
        {u"\u0100\u0101\u0130\u0141\u0149\u014A\u0178\u017D\u017F",
         u"\u0101\u0101i\u0142\u0149\u014B\u00FF\u017E\u017F"},
        {u"\u0391\u03A9\u0386\u038F\u03A3\u03C3\u03C2\u03F4",
         u"\u03B1\u03C9\u03AC\u03CE\u03C3\u03C3\u03C2\u03B8"},
        {u"\u0401\u0416\u042F\u0460\u04C0\u04C1\u04D0\u052E",
         u"\u0451\u0436\u044F\u0461\u04CF\u04C2\u04D1\u052F"},
        {u"\uFF21\uFF3A\uFF41\uFF20", u"\uFF41\uFF5A\uFF41\uFF20"},
        {u"\U0001D400", u"\U0001D400"},  // surrogate halves stay untouched
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToLower(c[0]), c[1]) << testing::PrintToString(c[0]);
}

// A wrong offset in the case table would land on another upper-case letter
// or on a code unit outside the supported blocks.
TEST(ToLower, IsStableAndConfinedToItsBlocks) {
    const auto inBlocks = [](char32_t c) {
        return (c >= 0x41 && c <= 0x5A) || (c >= 0xC0 && c <= 0x17F) ||
               (c >= 0x370 && c <= 0x52F) || (c >= 0xFF21 && c <= 0xFF3A);
    };
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        const std::u16string one(1, static_cast<char16_t>(c));
        const std::u16string lower = ToLower(one);
        ASSERT_EQ(lower.size(), 1u);
        EXPECT_EQ(ToLower(lower), lower) << std::hex << static_cast<unsigned>(c);
        if (!inBlocks(c)) {
            EXPECT_EQ(lower, one) << std::hex << static_cast<unsigned>(c);
        }
    }
}

TEST(RemoveAll, RemovesInOnePassCaseSensitively) {
    const std::u16string cases[][3] = {
        {u"aabb", u"ab", u"ab"},  // joined text is not searched again
        {u"#1A#2B", u"#", u"1A2B"}, {u"abab", u"ab", u""},           {u"aaa", u"aa", u"a"},
        {u"AbAB", u"ab", u"AbAB"},  {u"ab", u"abc", u"ab"},          {u"", u"x", u""},
        {u"abc", u"", u"abc"},      {u"rgba(1", u"rgb(", u"rgba(1"}, {u"$12$3456", u"$", u"123456"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RemoveAll(c[0], c[1]), c[2])
            << testing::PrintToString(c[0]) << " without " << testing::PrintToString(c[1]);
    }
}

TEST(FieldAt, SplitsAtEverySeparator) {
    struct Case {
        std::u16string text;
        std::int64_t index;
        std::u16string expected;
    };
    const Case cases[] = {
        {u"abc", 1, u"abc"},   {u"abc", 2, u""},        {u"a,b,,c", 1, u"a"},
        {u"a,b,,c", 3, u""},   {u"a,b,,c", 4, u"c"},    {u"a,b,,c", 5, u""},
        {u"a,b,,c", 0, u""},   {u"a,b,,c", -1, u""},    {u"a,b,,c", kMax64, u""},
        {u"a,b", kMin64, u""}, {u" a , b ", 2, u" b "}, {u"a,", 2, u""},
        {u",a", 1, u""},       {u"", 1, u""},           {u"", 2, u""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FieldAt(c.text, c.index, u','), c.expected)
            << testing::PrintToString(c.text) << " field " << c.index;
    }
    EXPECT_EQ(FieldAt(u"a;b,c", 2, u';'), u"b,c");
}

TEST(FindFirst, FindsAtOrAfterStart) {
    struct Case {
        std::u16string text;
        std::u16string part;
        std::int64_t start;
        std::int64_t expected;
    };
    const Case cases[] = {
        {u"abc", u"(", 1, 0},   {u"rgb(1", u"(", 1, 4},     {u"a(b(", u"(", 3, 4},
        {u"a(b(", u"(", 2, 2},  {u"a(b(", u"(", 0, 2},      {u"a(b(", u"(", kMin64, 2},
        {u"a(b(", u"(", 5, 0},  {u"a(b(", u"(", kMax64, 0}, {u"abab", u"ab", 3, 3},
        {u"abab", u"ab", 4, 0}, {u"ABC", u"b", 1, 0},       {u"ab", u"abc", 1, 0},
        {u"", u"a", 1, 0},      {u"abc", u"", 1, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FindFirst(c.text, c.part, c.start), c.expected)
            << testing::PrintToString(c.part) << " in " << testing::PrintToString(c.text)
            << " from " << c.start;
    }
}

TEST(Slicing, ClampsCountsAndPositions) {
    struct Case {
        std::u16string text;
        std::int64_t n;
        std::u16string expected;
    };
    const Case left[] = {
        {u"abc", 2, u"ab"}, {u"abc", 5, u"abc"},      {u"abc", 0, u""},
        {u"abc", -1, u""},  {u"abc", kMax64, u"abc"}, {u"abc", kMin64, u""},
    };
    for (const Case& c : left)
        EXPECT_EQ(LeftChars(c.text, c.n), c.expected) << "left " << c.n;

    const Case right[] = {
        {u"a", 2, u"a"},   {u"abc", 2, u"bc"},       {u"abc", 0, u""},
        {u"abc", -3, u""}, {u"abc", kMax64, u"abc"}, {u"abc", kMin64, u""},
    };
    for (const Case& c : right)
        EXPECT_EQ(RightChars(c.text, c.n), c.expected) << "right " << c.n;

    struct MidCase {
        std::u16string text;
        std::int64_t start;
        std::int64_t n;
        std::u16string expected;
    };
    const MidCase mid[] = {
        {u"ab", 3, 2, u""},
        {u"abcdef", 3, 2, u"cd"},
        {u"abcdef", 0, 2, u"ab"},
        {u"abcdef", -5, 2, u"ab"},
        {u"abcdef", 5, 10, u"ef"},
        {u"abcdef", 6, 1, u"f"},
        {u"abcdef", 7, 1, u""},
        {u"abcdef", 2, 0, u""},
        {u"abcdef", 2, -1, u""},
        {u"abcdef", 2, kMax64, u"bcdef"},
        {u"abcdef", kMax64, kMax64, u""},
        {u"abcdef", kMin64, 3, u"abc"},
        {u"", 1, 1, u""},
    };
    for (const MidCase& c : mid) {
        EXPECT_EQ(MidChars(c.text, c.start, c.n), c.expected) << "mid " << c.start << ", " << c.n;
    }

    const Case midToEnd[] = {
        {u"abcdef", 3, u"cdef"},        {u"abcdef", 1, u"abcdef"}, {u"abcdef", 0, u"abcdef"},
        {u"abcdef", 6, u"f"},           {u"abcdef", 7, u""},       {u"abcdef", kMax64, u""},
        {u"abcdef", kMin64, u"abcdef"},
    };
    for (const Case& c : midToEnd)
        EXPECT_EQ(MidChars(c.text, c.n), c.expected) << "mid " << c.n;
}

TEST(CodeSlices, SlicesEveryBodyLength) {
    // Bodies are prefixes of ABCDEFGH; the index is the body's length.
    const std::u16string expected[][3] = {
        {u"", u"", u""},       {u"A", u"", u"A"},     {u"AB", u"", u"AB"},
        {u"AB", u"C", u"BC"},  {u"AB", u"CD", u"CD"}, {u"AB", u"CD", u"DE"},
        {u"AB", u"CD", u"EF"}, {u"AB", u"CD", u"FG"}, {u"AB", u"CD", u"GH"},
    };
    const std::u16string letters = u"ABCDEFGH";
    for (std::size_t length = 0; length <= 8; ++length) {
        const CodeSliceSet slices = CodeSlices(letters.substr(0, length));
        SCOPED_TRACE(testing::Message() << "length " << length);
        EXPECT_EQ(slices.first, expected[length][0]);
        EXPECT_EQ(slices.second, expected[length][1]);
        EXPECT_EQ(slices.third, expected[length][2]);
    }
}

}  // namespace
