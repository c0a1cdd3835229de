// The screen picker on a desktop of one solid colour: armed, it follows the
// pointer outside the window; a middle press shows the magnifier; a left
// press anywhere picks; the three format buttons rewrite the picked code.
#include "tests/e2e/app_test.h"

namespace {

using e2e::Point;

constexpr QRgb Desktop = 0x1A2B3C;  // red 26, green 43, blue 60
constexpr Point PickerCheck{1 + 33 + 10, 640 - 1 + 9};
constexpr Point SwatchInside{1 + 33 + 5, 640 + 28 + 5};
constexpr Point PickField{1 + 234 + 70, 640 + 62 + 9};
constexpr Point PickPb{1 + 234 + 21, 640 + 28 + 11};
constexpr Point PickWeb{1 + 286 + 21, 640 + 28 + 11};
constexpr Point PickRgb{1 + 336 + 21, 640 + 28 + 11};
constexpr Point OutsideWindow{60, 60};  // the bare desktop

class PickerTest : public e2e::AppTest {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(RunCommand("xsetroot -solid '#1A2B3C'")); }
};

TEST_F(PickerTest, PicksFromTheDesktopAndRewritesTheCode) {
    Click(PickerCheck);
    MoveTo(OutsideWindow);
    EXPECT_EQ(ColorAt(SwatchInside, Desktop), Desktop);

    // The magnifier: 202 x 202 at the window's left + 107, below where the web
    // panel starts + 18, a black border and the desktop enlarged inside.
    ClickAt(OutsideWindow, 2);
    const Point magnifier = Screen({107, 404 + 18});
    EXPECT_EQ(ScreenColorAt({magnifier.x + 101, magnifier.y + 101}, Desktop),
              Desktop);  // the pointer's block
    EXPECT_EQ(ScreenColorAt({magnifier.x + 1 + 96, magnifier.y + 1 + 96}, 0x000000),
              0x000000u);  // inner ring
    EXPECT_EQ(ScreenColorAt({magnifier.x + 1 + 95, magnifier.y + 1 + 95}, 0xFFFFFF),
              0xFFFFFFu);                                                            // outer ring
    EXPECT_EQ(ScreenColorAt({magnifier.x, magnifier.y + 50}, 0x000000), 0x000000u);  // its border
    EXPECT_EQ(ScreenColorAt({magnifier.x + 10, magnifier.y + 10}, Desktop), Desktop);

    ClickAt(OutsideWindow, 1);  // picks and disarms; the magnifier goes
    EXPECT_NE(ScreenColorAt({magnifier.x + 10, magnifier.y + 10}, 0xF5F4F5), Desktop);
    EXPECT_EQ(CopyField(PickField), "rgb(26,43,60)");

    const std::pair<Point, const char*> steps[] = {
        {PickPb, "$3C2B1A"}, {PickWeb, "#1A2B3C"},          {PickRgb, "rgb(26,43,60)"},
        {PickPb, "$3C2B1A"}, {PickRgb, "rgb( 26, 43, 60)"},
    };
    for (const auto& [button, expected] : steps) {
        Click(button);
        EXPECT_EQ(CopyField(PickField), expected);
    }
}

}  // namespace
