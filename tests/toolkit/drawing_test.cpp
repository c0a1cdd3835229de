// The drawing primitives, pixel for pixel.
#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "toolkit/toolkit.h"

namespace {

constexpr tk::Color Back = 0x000000;
constexpr tk::Color Ink = 0x3C2B1A;
constexpr int TestImage = 1;

using PixelSet = std::set<std::pair<int, int>>;

// The pixels of the 20 x 12 test image that are not the background.
PixelSet Inked() {
    PixelSet inked;
    auto d = tk::Drawing::OnImage(TestImage);
    for (int y = 0; y < d.Height(); ++y)
        for (int x = 0; x < d.Width(); ++x)
            if (d.PixelAt(x, y) != Back) inked.insert({x, y});
    return inked;
}

class DrawingTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_NE(tk::NewImage(TestImage, 20, 12), 0); }
    void TearDown() override { tk::FreeImage(TestImage); }
};

TEST_F(DrawingTest, LinesIncludeBothEndPointsInEitherDirection) {
    struct Case {
        int x1, y1, x2, y2;
        PixelSet expected;
    };
    const std::vector<Case> cases = {
        {2, 3, 2, 3, {{2, 3}}},
        {1, 1, 4, 1, {{1, 1}, {2, 1}, {3, 1}, {4, 1}}},
        {4, 1, 1, 1, {{1, 1}, {2, 1}, {3, 1}, {4, 1}}},
        {5, 2, 5, 4, {{5, 2}, {5, 3}, {5, 4}}},
        {10, 5, 7, 8, {{10, 5}, {9, 6}, {8, 7}, {7, 8}}},                        // a chevron arm
        {0, 0, 6, 2, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 2}, {6, 2}}},  // nearest rows
        {-2, 0, 1, 0, {{0, 0}, {1, 0}}},         // clipped at the left edge
        {18, 11, 21, 11, {{18, 11}, {19, 11}}},  // and at the right
        {-5, -5, -1, -1, {}},
    };
    for (const Case& c : cases) {
        {
            auto d = tk::Drawing::OnImage(TestImage);
            d.Fill(0, 0, d.Width(), d.Height(), Back);
            d.Line(c.x1, c.y1, c.x2, c.y2, Ink);
        }
        EXPECT_EQ(Inked(), c.expected) << c.x1 << "," << c.y1 << " - " << c.x2 << "," << c.y2;
    }
}

TEST_F(DrawingTest, OutlineIsTheBorderRowsAndColumnsOfTheFilledArea) {
    {
        auto d = tk::Drawing::OnImage(TestImage);
        d.Outline(2, 3, 4, 3, Ink);
    }
    PixelSet expected;
    for (int x = 2; x <= 5; ++x)
        expected.insert({x, 3}), expected.insert({x, 5});
    expected.insert({2, 4});
    expected.insert({5, 4});
    EXPECT_EQ(Inked(), expected);
}

TEST_F(DrawingTest, FillIsClippedToTheSurface) {
    {
        auto d = tk::Drawing::OnImage(TestImage);
        d.Fill(18, -3, 5, 5, Ink);
        d.Fill(3, 3, 0, 4, Ink);  // nothing for an empty width
    }
    EXPECT_EQ(Inked(), (PixelSet{{18, 0}, {19, 0}, {18, 1}, {19, 1}}));
}

TEST_F(DrawingTest, GradientStartsAtTheLeftColourAndApproachesTheRight) {
    auto d = tk::Drawing::OnImage(TestImage);
    d.HorizontalGradient(0, 0, 20, 12, 0xB3B3B3, 0x7D7D7D);
    EXPECT_EQ(d.PixelAt(0, 0), 0xB3B3B3);
    EXPECT_EQ(d.PixelAt(0, 11), 0xB3B3B3);
    EXPECT_EQ(d.PixelAt(10, 5), 0x989898);  // halfway: (179 + 125) / 2 = 152
    EXPECT_EQ(d.PixelAt(19, 0), 0x808080);  // 179 - 54 * 19 / 20 = 127.7: not yet the right end
}

TEST_F(DrawingTest, ChannelsKeepTheirPlaces) {
    auto d = tk::Drawing::OnImage(TestImage);
    d.Fill(0, 0, 1, 1, 0x0000FF);  // pure red in the system's colour order
    EXPECT_EQ(d.PixelAt(0, 0), 0x0000FF);
    EXPECT_EQ(d.PixelAt(-1, 0), -1);
    EXPECT_EQ(d.PixelAt(20, 0), -1);
}

TEST_F(DrawingTest, ImagesAreCopiedWithClipping) {
    ASSERT_NE(tk::NewImage(2, 3, 2), 0);
    {
        auto small = tk::Drawing::OnImage(2);
        small.Fill(0, 0, 3, 2, Ink);
    }
    {
        auto d = tk::Drawing::OnImage(TestImage);
        d.Image(tk::ImageID(2), 18, -1);
    }
    tk::FreeImage(2);
    EXPECT_EQ(Inked(), (PixelSet{{18, 0}, {19, 0}}));
}

TEST_F(DrawingTest, OpaqueTextFillsItsCellAndTransparentTextKeepsTheBackground) {
    tk::NewImage(2, 120, 40);
    tk::LoadFont(1, u"Arial", 11, tk::FontHighQuality);
    auto d = tk::Drawing::OnImage(2);
    d.SetFont(tk::FontID(1));
    const int w = d.TextWidth(u"Hi");
    const int h = d.TextHeight(u"Hi");
    EXPECT_GT(w, 0);
    EXPECT_EQ(h, d.TextHeight(u"."));  // the cell height is the font's
    EXPECT_EQ(d.TextWidth(u""), 0);
    EXPECT_EQ(d.TextHeight(u""), 0);

    d.Fill(0, 0, 120, 40, 0xFFFFFF);
    d.Text(2, 3, u"Hi", 0x000000, 0x00FF00);
    EXPECT_EQ(d.PixelAt(2, 3), 0x00FF00);  // the cell's corner has no ink
    EXPECT_EQ(d.PixelAt(1, 3), 0xFFFFFF);
    EXPECT_EQ(d.PixelAt(2 + w, 3), 0xFFFFFF);

    d.Fill(0, 0, 120, 40, 0xFFFFFF);
    d.TransparentText(2, 3, u"Hi", 0x000000);
    EXPECT_EQ(d.PixelAt(2, 3), 0xFFFFFF);
    int dark = 0;
    for (int y = 3; y < 3 + h; ++y)
        for (int x = 2; x < 2 + w; ++x)
            dark += d.PixelAt(x, y) != 0xFFFFFF;
    EXPECT_GT(dark, 5);
    tk::FreeFont(1);
    tk::FreeImage(2);
}

// Each source pixel becomes a factor x factor block from the top left; a
// picture too small for whole blocks cuts the last ones, and one too large
// keeps what it had beyond them.
TEST(Drawing, EnlargeNearestFillsBlocksAndCutsAtTheEdges) {
    struct Case {
        int srcW, srcH, factor, dstW, dstH;
    } cases[] = {
        {3, 2, 1, 3, 2}, {3, 2, 4, 12, 8}, {3, 3, 4, 10, 7}, {2, 2, 3, 9, 8}, {4, 1, 2, 3, 5},
    };
    constexpr tk::Color Old = 0x0A0B0C;
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.srcW << "x" << c.srcH << " times " << c.factor
                                          << " into " << c.dstW << "x" << c.dstH);
        tk::Surface src(c.srcW, c.srcH, 0);
        for (int y = 0; y < c.srcH; ++y)
            for (int x = 0; x < c.srcW; ++x)
                src.pixels[std::size_t(y) * c.srcW + x] = tk::PixelFromColor(y * 16 + x + 1);
        tk::Surface dst(c.dstW, c.dstH, Old);
        tk::EnlargeNearest(dst, src, c.factor);
        for (int y = 0; y < c.dstH; ++y)
            for (int x = 0; x < c.dstW; ++x) {
                const bool covered = x < c.srcW * c.factor && y < c.srcH * c.factor;
                const tk::Color expected = covered ? (y / c.factor) * 16 + x / c.factor + 1 : Old;
                ASSERT_EQ(tk::PixelAt(dst, x, y), expected) << x << "," << y;
            }
    }
}

TEST(Drawing, OnAMissingSurfaceIsRefused) {
    EXPECT_FALSE(tk::Drawing::OnImage(77));
    EXPECT_FALSE(tk::Drawing::OnCanvas(77));
    auto d = tk::Drawing::OnCanvas(77);
    d.Fill(0, 0, 5, 5, 0);  // refused quietly
    EXPECT_EQ(d.Width(), 0);
}

TEST(Fonts, PixelHeightIsPointsTimesDpiOver72Rounded) {
    EXPECT_EQ(tk::PixelHeightForPoints(11, 96), 15);  // 14.67
    EXPECT_EQ(tk::PixelHeightForPoints(8, 96), 11);   // 10.67
    EXPECT_EQ(tk::PixelHeightForPoints(9, 96), 12);
    EXPECT_EQ(tk::PixelHeightForPoints(7, 96), 9);  // 9.33
    EXPECT_EQ(tk::PixelHeightForPoints(12, 120), 20);
}

}  // namespace
