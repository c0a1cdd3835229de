// Starts the real executable on the X display in $DISPLAY (see with_xvfb.sh), checks where its
// window appears and that it quits cleanly when a window manager asks it to close.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <string>
#include <thread>

#include "tests/e2e/running_app.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr int kWidth = 416;
constexpr int kHeight = 800;

// Top-left corner that centres a window of `window` extent on a screen of `screen` extent:
// truncated, and never off the top or left edge.
int Centred(int screen, int window) {
    return std::max(0, (screen - window) / 2);
}

// Starts the app, checks its window and closes it; twice in a row, since the second start sees
// whatever the first one left behind (settings, lock files, ...).
TEST(Startup, WindowIsCentredAndClosesCleanlyOnRequest) {
    auto display = xclient::OpenDisplay();
    ASSERT_TRUE(display) << "cannot open X display; run under with_xvfb.sh";
    const xclient::Size screen = xclient::ScreenSize(display.get());
    const xclient::Rect expected{Centred(screen.width, kWidth), Centred(screen.height, kHeight),
                                 kWidth, kHeight};

    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE("start #" + std::to_string(run));
        RunningApp app;
        std::string why;
        const auto window = app.WaitForWindow(display.get(), why);
        ASSERT_TRUE(window) << why;

        // Qt may still be applying the geometry right after mapping; give it a moment.
        const auto settle = Clock::now() + 2s;
        auto geometry = xclient::WindowGeometry(display.get(), *window);
        while ((!geometry || *geometry != expected) && Clock::now() < settle) {
            std::this_thread::sleep_for(20ms);
            geometry = xclient::WindowGeometry(display.get(), *window);
        }
        ASSERT_TRUE(geometry);
        EXPECT_EQ(geometry->x, expected.x) << "screen " << screen.width << "x" << screen.height;
        EXPECT_EQ(geometry->y, expected.y) << "screen " << screen.width << "x" << screen.height;
        EXPECT_EQ(geometry->width, kWidth);
        EXPECT_EQ(geometry->height, kHeight);

        ASSERT_TRUE(xclient::SendCloseRequest(display.get(), *window))
            << "window does not accept WM_DELETE_WINDOW";
        const auto status = app.WaitExit(5s);
        ASSERT_TRUE(status) << "still running 5 s after the close request";
        EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << DescribeStatus(*status);
    }
}

}  // namespace
