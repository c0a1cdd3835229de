// The two converters used as a person would: type a code with the keyboard,
// click "Convert Color", copy the field's text and look at the button.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <chrono>
#include <thread>

#include "tests/e2e/app_test.h"

namespace {

using e2e::Point;
using ConvertersTest = e2e::AppTest;

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Window coordinates: a panel's place in the window plus the gadget's in the panel.
constexpr Point WebField{1 + 234 + 70, 404 + 46 + 9};
constexpr Point WebButton{1 + 33 + 92, 404 + 44 + 21};
constexpr Point WebButtonFill{1 + 33 + 4, 404 + 44 + 4};
constexpr Point PbField{1 + 234 + 70, 524 + 39 + 9};
constexpr Point PbButton{1 + 33 + 92, 524 + 37 + 21};
constexpr Point PbButtonFill{1 + 33 + 4, 524 + 37 + 4};
constexpr QRgb Converted = 0x1A2B3C;  // red 26, green 43, blue 60 on the screen

TEST_F(ConvertersTest, WebCodeToRgbaAndBack) {
    Click(WebField);
    Type("#1A2B3C");
    Click(WebButton);
    EXPECT_EQ(CopyField(WebField), "rgba(26,43,60,1.0)");
    EXPECT_EQ(ColorAt(WebButtonFill, Converted), Converted);
    Click(WebButton);
    EXPECT_EQ(CopyField(WebField), "#1A2B3C");
}

TEST_F(ConvertersTest, PureBasicCodeToPaddedRgb) {
    Click(PbField);
    Type("$3C2B1A");
    Click(PbButton);
    EXPECT_EQ(CopyField(PbField), "rgb( 26, 43, 60)");
    EXPECT_EQ(ColorAt(PbButtonFill, Converted), Converted);
}

}  // namespace
