// Where the caption goes, with fixed metrics and with a real font.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "button_window.h"
#include "widgets/caption_layout.h"

namespace {

struct Placed {
    int x, y;
    std::u16string text;
    bool operator==(const Placed&) const = default;
};

// Every character is `advance` wide; every non-empty text is `height` high.
struct FixedPen {
    int advance = 10;
    int height = 16;
    int fixedWidth = -1;  // when set, the width of every non-empty text
    std::vector<Placed> placed;
    int TextWidth(const std::u16string& t) const {
        if (t.empty()) return 0;
        return fixedWidth >= 0 ? fixedWidth : advance * static_cast<int>(t.size());
    }
    int TextHeight(const std::u16string& t) const { return t.empty() ? 0 : height; }
    void Draw(int x, int y, const std::u16string& t) { placed.push_back({x, y, t}); }
};

TEST(LayoutCaption, OneLineIsCentredOnePixelHigh) {
    FixedPen pen;
    pen.fixedWidth = 90;
    LayoutCaption(pen, 1, 1, 182, 40, u"Convert Color", 0);  // a 184 x 42 button
    EXPECT_EQ(pen.placed, (std::vector<Placed>{{47, 12, u"Convert Color"}}));
}

TEST(LayoutCaption, AlignmentFlagsOnOneLine) {
    struct Case {
        std::uint32_t flags;
        int x;
    };
    const Case cases[] = {
        {AlignLeft, 1 + 2},
        {AlignRight, 1 + 182 - 90 - 2},
        {AlignLeft | AlignRight, 1 + 2},  // right is only asked when left is clear
        {0, 1 + 91 - 45},
    };
    for (const Case& c : cases) {
        FixedPen pen;
        pen.fixedWidth = 90;
        LayoutCaption(pen, 1, 1, 182, 40, u"x", c.flags);
        ASSERT_EQ(pen.placed.size(), 1u);
        EXPECT_EQ(pen.placed[0].x, c.x) << c.flags;
    }
}

TEST(LayoutCaption, AWideCaptionOverflowsBothSides) {
    FixedPen pen;
    LayoutCaption(pen, 1, 1, 41, 20, u"Select Background Color", 0);  // 230 wide
    EXPECT_EQ(pen.placed[0].x, 1 + 20 - 115);
}

TEST(LayoutCaption, WordWrapBreaksAtSpacesLeavingTwelvePixels) {
    FixedPen pen;  // 10 pixels a character
    // Box 100 wide: a line may hold up to 88 pixels, so "aaa bbb " fits
    // (80) and "aaa bbb ccc" (110) does not.
    LayoutCaption(pen, 0, 0, 100, 60, u"aaa bbb ccc dddddddddddd e", WordWrap);
    // tw = 260, so e = 2 and the first line starts 30 - 8 - 16 - 1 = 5.
    const std::vector<Placed> expected = {
        {50 - 35, 5, u"aaa bbb"},
        {50 - 15, 21, u"ccc"},
        {50 - 60, 37, u"dddddddddddd"},  // a word wider than the box gets its own line
        {50 - 5, 53, u"e"},
    };
    EXPECT_EQ(pen.placed, expected);
}

TEST(LayoutCaption, WordWrapWithoutSpacesIsOneLineRaisedByTheEstimate) {
    FixedPen pen;
    LayoutCaption(pen, 0, 0, 100, 40, u"abcdefghijklmnopqrstu", WordWrap | AlignLeft);  // 210 wide
    FixedPen plain;
    LayoutCaption(plain, 0, 0, 100, 40, u"abcdefghijklmnopqrstu", AlignLeft);
    ASSERT_EQ(pen.placed.size(), 1u);
    EXPECT_EQ(pen.placed[0].x, 2);
    EXPECT_EQ(pen.placed[0].y, plain.placed[0].y - (16 / 2) * (210 / 100));
}

TEST(LayoutCaption, EmptyTextsAndBoxesWithoutWidth) {
    FixedPen pen;
    LayoutCaption(pen, 0, 0, 100, 40, u"", WordWrap);
    EXPECT_EQ(pen.placed, (std::vector<Placed>{{50, 19, u""}}));  // nothing visible
    FixedPen narrow;
    LayoutCaption(narrow, 1, 1, 0, 0, u"a b", WordWrap);  // laid out as one line
    EXPECT_EQ(narrow.placed, (std::vector<Placed>{{1 + 0 - 15, 1 - 8 - 1, u"a b"}}));
}

// With a real font the caption's ink stays within the box, centred across.
class MeasuredCaptionTest : public ButtonTest {};

TEST_F(MeasuredCaptionTest, TheInkIsCentredAcross) {
    tk::LoadFont(1, u"Arial", 11, tk::FontHighQuality);
    SetButtonColors(Button, 0xFFFFFF, 0, 0, 0xFFFFFF, 0, 0, 0xFFFFFF, 0, 0);
    tk::SetGadgetFont(Button, tk::FontID(1));
    int left = Width, right = -1, top = Height, bottom = -1;
    for (int y = 1; y < Height - 1; ++y)
        for (int x = 1; x < Width - 1; ++x)
            if (Pixel(x, y) != 0) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    ASSERT_GE(right, 0);
    EXPECT_LE(std::abs((left - 1) - (Width - 2 - 1 - right)), 3) << left << ".." << right;
    EXPECT_GT(top, 5);
    EXPECT_LT(bottom, Height - 6);
    tk::FreeFont(1);
}

}  // namespace
