#include "color/code_forms.h"

#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "color/text_rules.h"

namespace {

TEST(CodeForms, WriteAllFiveFormsFromUnclampedChannels) {
    struct Case {
        std::int64_t red, green, blue;
        std::u16string web, pb, rgb, padded, rgba;
    };
    const Case cases[] = {
        {26, 43, 60, u"#1A2B3C", u"$3C2B1A", u"rgb(26,43,60)", u"rgb( 26, 43, 60)",
         u"rgba(26,43,60,1.0)"},
        {255, 0, 0, u"#FF0000", u"$0000FF", u"rgb(255,0,0)", u"rgb(255,  0,  0)",
         u"rgba(255,0,0,1.0)"},
        {255, 255, 255, u"#FFFFFF", u"$FFFFFF", u"rgb(255,255,255)", u"rgb(255,255,255)",
         u"rgba(255,255,255,1.0)"},
        {0, 0, 0, u"#000000", u"$000000", u"rgb(0,0,0)", u"rgb(  0,  0,  0)", u"rgba(0,0,0,1.0)"},
        {10, 20, 30, u"#0A141E", u"$1E140A", u"rgb(10,20,30)", u"rgb( 10, 20, 30)",
         u"rgba(10,20,30,1.0)"},
        // Out-of-range numbers are written as read: HexPair keeps the first
        // two hex digits, PadLeft keeps the first three characters.
        {300, 0, 0, u"#120000", u"$000012", u"rgb(300,0,0)", u"rgb(300,  0,  0)",
         u"rgba(300,0,0,1.0)"},
        {-1, 0, 0, u"#FF0000", u"$0000FF", u"rgb(-1,0,0)", u"rgb( -1,  0,  0)",
         u"rgba(-1,0,0,1.0)"},
        {1234, 5, -100, u"#4D05FF", u"$FF054D", u"rgb(1234,5,-100)", u"rgb(123,  5,-10)",
         u"rgba(1234,5,-100,1.0)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.red << ", " << c.green << ", " << c.blue);
        EXPECT_EQ(FormatWebCode(c.red, c.green, c.blue), c.web);
        EXPECT_EQ(FormatPbCode(c.red, c.green, c.blue), c.pb);
        EXPECT_EQ(FormatRgbCode(c.red, c.green, c.blue), c.rgb);
        EXPECT_EQ(FormatPaddedRgbCode(c.red, c.green, c.blue), c.padded);
        EXPECT_EQ(FormatRgbaCode(c.red, c.green, c.blue), c.rgba);
    }
}

// A web code body read slice by slice and written back as an rgba code: what
// malformed codes turn into is decided by these rules together.
TEST(CodeForms, WebCodesReadThroughSlicesAndHexPairs) {
    struct Case {
        std::u16string code;
        std::u16string rgba;
    };
    const Case cases[] = {
        {u"#1A2B3C", u"rgba(26,43,60,1.0)"}, {u"#1a2b3c", u"rgba(26,43,60,1.0)"},
        {u"#FFF", u"rgba(255,15,255,1.0)"},  {u"#11223344", u"rgba(17,34,68,1.0)"},
        {u"#", u"rgba(0,0,0,1.0)"},          {u"##1A2B3C", u"rgba(26,43,60,1.0)"},
        {u"#GG0000", u"rgba(0,0,0,1.0)"},    {u"#1G2H3I", u"rgba(1,2,3,1.0)"},
    };
    for (const Case& c : cases) {
        const CodeSliceSet s = CodeSlices(RemoveAll(c.code, u"#"));
        EXPECT_EQ(FormatRgbaCode(ReadHexPair(s.first), ReadHexPair(s.second), ReadHexPair(s.third)),
                  c.rgba)
            << testing::PrintToString(c.code);
    }
}

}  // namespace
