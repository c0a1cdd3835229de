#include "color/color_value.h"

#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

namespace {

constexpr std::int32_t kMax32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();

TEST(MakeColor, PacksWithoutMaskingAndWrapsAt32Bits) {
    struct Case {
        std::int32_t red, green, blue;
        ColorValue expected;
    };
    const Case cases[] = {
        {26, 43, 60, 3943194},  // hex 3C2B1A
        {255, 255, 255, 16777215},
        {0, 0, 0, 0},
        {1, 2, 3, 0x030201},
        {256, 0, 0, 256},  // spills into green
        {300, 0, 0, 300},
        {-1, 0, 0, NoColor},
        {0, -1, 0, -256},
        {0, 0, 256, 16777216},
        {0, 0, 32768, kMin32},             // 2^31 wraps to the sign bit
        {kMax32, 1, 0, kMin32 + 255},      // overflow wraps instead of trapping
        {kMin32, kMin32, kMin32, kMin32},  // the shifted copies fall off the top
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MakeColor(c.red, c.green, c.blue), c.expected)
            << c.red << ", " << c.green << ", " << c.blue;
    }
}

TEST(ChannelsOf, ReadBitsLogicallyAndIgnoreTheTopByte) {
    struct Case {
        ColorValue color;
        int red, green, blue;
    };
    const Case cases[] = {
        {3943194, 26, 43, 60}, {NoColor, 255, 255, 255},
        {300, 44, 1, 0},       {0x7F112233, 0x33, 0x22, 0x11},
        {kMin32, 0, 0, 0},     {kMin32 + 0x00ABCDEF, 0xEF, 0xCD, 0xAB},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RedOf(c.color), c.red) << c.color;
        EXPECT_EQ(GreenOf(c.color), c.green) << c.color;
        EXPECT_EQ(BlueOf(c.color), c.blue) << c.color;
    }
}

TEST(ChannelsOf, UndoMakeColorForEveryChannelValue) {
    for (int v = 0; v <= 255; ++v) {
        const ColorValue c = MakeColor(v, 255 - v, v ^ 0x5A);
        EXPECT_EQ(RedOf(c), v);
        EXPECT_EQ(GreenOf(c), 255 - v);
        EXPECT_EQ(BlueOf(c), v ^ 0x5A);
    }
}

}  // namespace
