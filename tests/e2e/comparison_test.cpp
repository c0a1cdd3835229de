// The comparison panel as a person uses it: the background colour chosen in
// the colour dialog with the keyboard, then the "$" and "#" code buttons.
#include "tests/e2e/app_test.h"

namespace {

using e2e::Point;
using namespace std::chrono_literals;

constexpr Point BackColorButton{1 + 33 + 173, 59 + 39 + 31};
constexpr Point BackButtonFill{1 + 33 + 4, 59 + 39 + 4};
constexpr Point FontButtonFill{1 + 33 + 4, 59 + 184 + 4};
constexpr Point BackHexField{1 + 233 + 70, 59 + 120 + 9};
constexpr Point BackRgbField{1 + 233 + 70, 59 + 149 + 9};
constexpr Point BackPbCode{1 + 119 + 21, 59 + 118 + 11};
constexpr Point BackWebCode{1 + 174 + 21, 59 + 118 + 11};

using ComparisonTest = e2e::AppTest;

TEST_F(ComparisonTest, ABackgroundChosenInTheDialogPreviewsAndGivesItsCodes) {
    Click(BackColorButton);
    const auto dialog = xclient::FindWindow(display.get(), "Select Color", 5s, 0, true);
    ASSERT_TRUE(dialog) << "no colour dialog";
    // Its "HTML:" field takes a web code; Return accepts.
    const std::string id = std::to_string(*dialog);
    ASSERT_TRUE(RunCommand("xdotool windowfocus --sync " + id + " key alt+h key ctrl+a"));
    Type("#123456");
    ASSERT_TRUE(RunCommand("xdotool key Return"));

    EXPECT_EQ(ColorAt(BackButtonFill, 0x123456), 0x123456u);
    EXPECT_EQ(ColorAt(FontButtonFill, 0x123456), 0x123456u);
    EXPECT_EQ(CopyField(BackRgbField), "rgb(18,52,86)");
    EXPECT_EQ(CopyField(BackHexField), "#123456");
    Click(BackPbCode);
    EXPECT_EQ(CopyField(BackHexField), "$563412");
    Click(BackWebCode);
    EXPECT_EQ(CopyField(BackHexField), "#123456");
}

}  // namespace
