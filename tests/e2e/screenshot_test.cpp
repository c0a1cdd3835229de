// The pictures of the two looks that the README and the manual show: the
// window as it comes up, and again after a right press on the title bar. They
// go to $TINTWELL_SCREENSHOT_DIR (scripts/screenshots.sh points it at docs/),
// else to the working folder.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <QImage>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "tests/e2e/running_app.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

// Window points and colours of the title bar and the collapse strip in the
// light and the dark look.
constexpr int TitleX = 250, TitleY = 20, StripX = 21, StripY = 50;
constexpr QRgb LightTitle = 0xFFFFFF, LightStrip = 0xE5E4E5;
constexpr QRgb DarkTitle = 0x2B333B, DarkStrip = 0x2E2821;

QRgb Rgb(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

// What the window shows once three grabs in a row agree, within 3 s.
QImage SettledGrab(xclient::Display* display, xclient::Window window) {
    const auto deadline = Clock::now() + 3s;
    QImage last = xclient::GrabWindow(display, window);
    for (int same = 0; same < 2 && Clock::now() < deadline;) {
        std::this_thread::sleep_for(100ms);
        QImage next = xclient::GrabWindow(display, window);
        same = !next.isNull() && next == last ? same + 1 : 0;
        last = std::move(next);
    }
    return last;
}

TEST(Screenshots, EachLook) {
    const char* dir = getenv("TINTWELL_SCREENSHOT_DIR");
    const fs::path out = dir && *dir ? fs::path(dir) : fs::current_path();
    fs::create_directories(out);

    auto display = xclient::OpenDisplay();
    ASSERT_TRUE(display) << "cannot open X display; run under with_xvfb.sh";
    // The pointer stays off the window: nothing shows hovered.
    ASSERT_TRUE(RunCommand("xdotool mousemove 0 0"));
    RunningApp app;
    std::string why;
    const auto window = app.WaitForWindow(display.get(), why);
    ASSERT_TRUE(window) << why;
    const auto at = xclient::WindowGeometry(display.get(), *window);
    ASSERT_TRUE(at);

    const QImage light = SettledGrab(display.get(), *window);
    ASSERT_EQ(light.size(), QSize(416, 800));
    EXPECT_EQ(Rgb(light, TitleX, TitleY), LightTitle);
    EXPECT_EQ(Rgb(light, StripX, StripY), LightStrip);
    EXPECT_TRUE(light.save(QString::fromStdString((out / "screenshot-light.png").string())));

    // Released only once the new look shows: the switch unmaps and maps the
    // window, and a release in between would be lost.
    ASSERT_TRUE(RunCommand("xdotool mousemove --sync " + std::to_string(at->x + TitleX) + " " +
                           std::to_string(at->y + TitleY) + " mousedown 3"));
    const auto strip = [&] {
        return xclient::PixelAt(display.get(), at->x + StripX, at->y + StripY).value_or(0) &
               0xFFFFFF;
    };
    for (const auto deadline = Clock::now() + 3s; strip() != DarkStrip && Clock::now() < deadline;)
        std::this_thread::sleep_for(20ms);
    ASSERT_TRUE(RunCommand("xdotool mouseup 3 mousemove 0 0"));

    const QImage dark = SettledGrab(display.get(), *window);
    ASSERT_EQ(dark.size(), QSize(416, 800));
    EXPECT_EQ(Rgb(dark, TitleX, TitleY), DarkTitle);
    EXPECT_EQ(Rgb(dark, StripX, StripY), DarkStrip);
    EXPECT_TRUE(dark.save(QString::fromStdString((out / "screenshot-dark.png").string())));

    ASSERT_TRUE(xclient::SendCloseRequest(display.get(), *window));
    const auto status = app.WaitExit(5s);
    ASSERT_TRUE(status) << "still running 5 s after the close request";
    EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << DescribeStatus(*status);
}

}  // namespace
