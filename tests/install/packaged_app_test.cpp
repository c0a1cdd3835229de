// The package installed into a clean system (deb_chroot_test.sh): started
// there by its menu entry's command (in_chroot.sh), the tool comes up on this
// display, paints its window with text in it, and closes cleanly.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QImage>
#include <chrono>
#include <string>

#include "tests/e2e/running_app.h"

namespace {

using namespace std::chrono_literals;

TEST(PackagedApp, StartsFromItsMenuEntryAndShowsItsWindow) {
    auto display = xclient::OpenDisplay();
    ASSERT_TRUE(display) << "cannot open X display; run under with_xvfb.sh";
    RunningApp app;
    std::string why;
    const auto window = app.WaitForWindow(display.get(), why);
    ASSERT_TRUE(window) << why;

    const QImage shown = xclient::GrabWindow(display.get(), *window);
    ASSERT_EQ(shown.size(), QSize(416, 800));
    EXPECT_EQ(shown.pixel(250, 20) & 0xFFFFFF, 0xFFFFFFu) << "title bar, light look";
    EXPECT_EQ(shown.pixel(1, 780) & 0xFFFFFF, 0xB3B3B3u) << "footer gradient's left end";
    // The caption "Tintwell v7" needs a font: without one the title bar's left
    // part stays blank.
    int ink = 0;
    for (int y = 5; y < 36; ++y)
        for (int x = 10; x < 120; ++x)
            ink += (shown.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
    EXPECT_GT(ink, 100) << "no caption in the title bar: no font?";

    ASSERT_TRUE(xclient::SendCloseRequest(display.get(), *window));
    const auto status = app.WaitExit(5s);
    ASSERT_TRUE(status) << "still running 5 s after the close request";
    EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << DescribeStatus(*status);
}

}  // namespace
