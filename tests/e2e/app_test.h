// A running tool with its window found, and the hands and eyes of a user:
// clicks and typing through xdotool, the clipboard through xclip, pixels
// read off the screen.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <chrono>
#include <string>
#include <thread>

#include "tests/e2e/running_app.h"

namespace e2e {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

struct Point {
    int x, y;
};

class AppTest : public ::testing::Test {
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

    // Points are in window coordinates; Screen() turns them into screen ones.
    Point Screen(Point p) const { return {origin.x + p.x, origin.y + p.y}; }
    // Waits for the move to happen; one to where the pointer already is would
    // never come.
    static void MoveTo(Point screen) {
        const std::string there =
            "X=" + std::to_string(screen.x) + "\nY=" + std::to_string(screen.y);
        if (RunCommand("xdotool getmouselocation --shell").value_or("").starts_with(there)) return;
        ASSERT_TRUE(RunCommand("xdotool mousemove --sync " + std::to_string(screen.x) + " " +
                               std::to_string(screen.y)));
    }
    static void ClickAt(Point screen, int button = 1) {
        MoveTo(screen);
        ASSERT_TRUE(RunCommand("xdotool click " + std::to_string(button)));
        std::this_thread::sleep_for(100ms);  // the posted selection, the repaint
    }
    void Click(Point p, int button = 1) { ClickAt(Screen(p), button); }
    void Type(const std::string& text) {
        ASSERT_TRUE(RunCommand("xdotool type --delay 20 '" + text + "'"));
    }
    // Copies a field's text and reads the clipboard. A click selects the whole
    // text only when the field did not have the focus yet, so select it too.
    std::string CopyField(Point field) {
        Click(field);
        RunCommand("xdotool key ctrl+a key ctrl+c");
        std::this_thread::sleep_for(100ms);
        return RunCommand("xclip -o -selection clipboard").value_or("<no clipboard>");
    }
    // The colour at a window point, once it settles on the expected one.
    QRgb ColorAt(Point p, QRgb expected) { return ScreenColorAt(Screen(p), expected); }
    QRgb ScreenColorAt(Point screen, QRgb expected) {
        std::optional<QRgb> seen;
        const auto deadline = Clock::now() + 2s;
        do {
            seen = xclient::PixelAt(display.get(), screen.x, screen.y);
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

}  // namespace e2e
