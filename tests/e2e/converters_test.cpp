// The two converters used as a person would: type a code with the keyboard,
// click "Convert Color", copy the field's text and look at the button.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <chrono>
#include <thread>

#include "tests/e2e/running_app.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

struct Point {
    int x, y;
};

class ConvertersTest : public ::testing::Test {
  protected:
    void SetUp() override {
        display = xclient::OpenDisplay();
        ASSERT_TRUE(display) << "cannot open X display; run under with_xvfb.sh";
        std::string why;
        window = app.WaitForWindow(display.get(), why);
        ASSERT_TRUE(window) << why;
        const auto geometry = xclient::WindowGeometry(display.get(), *window);
        ASSERT_TRUE(geometry);
        origin = {geometry->x, geometry->y};
    }
    void TearDown() override {
        if (window) xclient::SendCloseRequest(display.get(), *window);
        const auto status = app.WaitExit(5s);
        EXPECT_TRUE(status && WIFEXITED(*status) && WEXITSTATUS(*status) == 0);
    }

    // A point given in window coordinates.
    void Click(Point p) {
        ASSERT_TRUE(RunCommand("xdotool mousemove --sync " + std::to_string(origin.x + p.x) + " " +
                               std::to_string(origin.y + p.y) + " click 1"));
        std::this_thread::sleep_for(100ms);  // the posted selection, the repaint
    }
    void Type(const std::string& text) {
        ASSERT_TRUE(RunCommand("xdotool type --delay 20 '" + text + "'"));
    }
    // Clicking a field selects its whole text; copy it and read the clipboard.
    std::string CopyField(Point field) {
        Click(field);
        RunCommand("xdotool key ctrl+c");
        std::this_thread::sleep_for(100ms);
        return RunCommand("xclip -o -selection clipboard").value_or("<no clipboard>");
    }
    // The screen colour at a window point, once it settles on the expected one.
    QRgb ColorAt(Point p, QRgb expected) {
        std::optional<QRgb> seen;
        const auto deadline = Clock::now() + 2s;
        do {
            seen = xclient::PixelAt(display.get(), origin.x + p.x, origin.y + p.y);
            if (seen && (*seen & 0xFFFFFF) == expected) break;
            std::this_thread::sleep_for(20ms);
        } while (Clock::now() < deadline);
        return seen ? *seen & 0xFFFFFF : 0xFFFFFFFF;
    }

    RunningApp app;
    xclient::DisplayPtr display;
    std::optional<xclient::Window> window;
    Point origin{};
};

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
