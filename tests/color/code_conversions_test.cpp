// What the two converters make of their field's text.
#include <gtest/gtest.h>

#include "color/code_conversions.h"

namespace {

struct Case {
    std::u16string field;
    bool converted;
    std::u16string text;
    ColorValue color;
};

void Check(ConvertedCode (*convert)(const std::u16string&), const Case& c) {
    const ConvertedCode r = convert(c.field);
    EXPECT_EQ(r.converted, c.converted);
    if (!c.converted) return;
    EXPECT_EQ(r.text, c.text);
    EXPECT_EQ(r.color, c.color);
}

TEST(ConvertWebCode, BothDirections) {
    const Case cases[] = {
        {u"#1A2B3C", true, u"rgba(26,43,60,1.0)", 3943194},
        {u"#1a2b3c", true, u"rgba(26,43,60,1.0)", 3943194},
        {u"   #1A2B3C  ", true, u"rgba(26,43,60,1.0)", 3943194},
        {u"#FFF", true, u"rgba(255,15,255,1.0)", 0xFF0FFF},
        {u"#11223344", true, u"rgba(17,34,68,1.0)", 0x442211},
        {u"#", true, u"rgba(0,0,0,1.0)", 0},
        {u"##1A2B3C", true, u"rgba(26,43,60,1.0)", 3943194},
        {u"#GG0000", true, u"rgba(0,0,0,1.0)", 0},
        {u"RGB(255, 0, 128)", true, u"#FF0080", 0x8000FF},
        {u"rgba(10,20,30,0.5)", true, u"#0A141E", 0x1E140A},
        {u"rgb(12,34)", true, u"#0C2200", 0x220C},
        {u"rgb(300,0,0)", true, u"#120000", 300},
        {u"rgb(-1,0,0)", true, u"#FF0000", -1},
        {u"rgba 1,2,3", true, u"#000203", 0x030200},
        {u"rgba(26,43,60,1.0)", true, u"#1A2B3C", 3943194},  // the way back
        {u"rgb( 12px , 7.9 ,$1F)", true, u"#0C071F", 0x1F070C},
        {u"rgb 1,2,3", false, u"", 0},
        {u"$3C2B1A", false, u"", 0},
        {u"", false, u"", 0},
        {u"\t#1A2B3C", false, u"", 0},  // only blanks are trimmed
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field.begin(), c.field.end()));
        Check(ConvertWebCode, c);
    }
}

TEST(ConvertPbCode, PureBasicToPaddedRgb) {
    const Case cases[] = {
        {u"$3C2B1A", true, u"rgb( 26, 43, 60)", 3943194},
        {u"$3c2b1a", true, u"rgb( 26, 43, 60)", 3943194},
        {u"$0000FF", true, u"rgb(255,  0,  0)", 255},
        {u"$FFFFFF", true, u"rgb(255,255,255)", 16777215},
        {u"$FF", true, u"rgb(255,  0,255)", 0xFF00FF},
        {u"$", true, u"rgb(  0,  0,  0)", 0},
        {u"$12$3456", true, u"rgb( 86, 52, 18)", 0x123456},
        {u" $3C2B1A", false, u"", 0},
        {u"rgb( 26, 43, 60)", false, u"", 0},  // a second click changes nothing
        {u"#1A2B3C", false, u"", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field.begin(), c.field.end()));
        Check(ConvertPbCode, c);
    }
}

// The picked colour's three buttons: what each accepts and what it makes.
TEST(PickCodes, TheThreeButtonsOnEachKindOfText) {
    struct Row {
        std::u16string field;
        const char16_t* web;  // nullptr: the text stays as it was
        const char16_t* pb;
        const char16_t* rgb;
    };
    const Row rows[] = {
        {u"rgb(26,43,60)", u"#1A2B3C", u"$3C2B1A", nullptr},
        {u"#1A2B3C", nullptr, u"$3C2B1A", u"rgb(26,43,60)"},
        {u"$3C2B1A", u"#1A2B3C", nullptr, u"rgb( 26, 43, 60)"},
        {u"$3c2b1a", u"#1a2b3c", nullptr, u"rgb( 26, 43, 60)"},  // digits as typed
        {u"#1a2b3c", nullptr, u"$3c2b1a", u"rgb(26,43,60)"},
        {u"$FFF", u"#FFFFF", nullptr, u"rgb(255, 15,255)"},
        {u"$", u"#", nullptr, u"rgb(  0,  0,  0)"},
        {u"rgba(10,20,30,0.5)", u"#0A141E", u"$1E140A", nullptr},
        {u"RGB(10,20,30)", u"#0A141E", nullptr, nullptr},  // capitals stop "$"
        {u"rgb( 10 , 20 , 30 )", u"#0A141E", u"$1E140A", nullptr},
        {u"rgb(300,0,0)", u"#120000", u"$000012", nullptr},
        {u"rgb 1,2,3", nullptr, u"$030200", nullptr},  // no "(": "rgb 1" reads as 0
        {u" #1A2B3C", nullptr, u"$3C2B1A", nullptr},   // "rgb" does not trim
        {u" $3C2B1A", u"#1A2B3C", nullptr, nullptr},
        {u"$#123456", u"#5623#1", nullptr, u"rgb(18,52,86)"},
        {u"hsl(1,2,3)", nullptr, nullptr, nullptr},
        {u"", nullptr, nullptr, nullptr},
    };
    auto check = [](ConvertedCode (*pick)(const std::u16string&), const std::u16string& field,
                    const char16_t* expected, const char* which) {
        const ConvertedCode r = pick(field);
        EXPECT_EQ(r.converted, expected != nullptr) << which;
        if (expected && r.converted) {
            EXPECT_EQ(r.text, expected) << which;
        }
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.field.begin(), r.field.end()));
        check(PickWebCode, r.field, r.web, "#");
        check(PickPbCode, r.field, r.pb, "$");
        check(PickRgbCode, r.field, r.rgb, "rgb");
    }
}

}  // namespace
