// The window's own chrome used as a person would: the two looks and the
// right-click that switches them, the theme file that carries the look to the
// next start, the close button, dragging by the title bar and folding the
// comparison panel. Every test gets a config folder of its own, so that a look
// saved here never leaks into another test.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "tests/e2e/running_app.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

struct Point {
    int x, y;
};

std::string Text(const xclient::Rect& r) {
    return std::to_string(r.width) + "x" + std::to_string(r.height) + " at " + std::to_string(r.x) +
           "," + std::to_string(r.y);
}

std::string Hex(QRgb rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "%06X", rgb & 0xFFFFFFu);
    return text;
}

// Window points: the title bar is at (1, 1), the close button at (354, 1),
// the collapse strip at (1, 40) with its chevron's apex in column 208.
constexpr Point TitleFill{250, 20};
constexpr Point CloseFill{357, 4};
constexpr Point CloseGlyph{354 + 21, 1 + 29};
constexpr Point StripBack{21, 50};
constexpr Point CollapseStrip{60, 50};
constexpr Point OpenApex{1 + 207, 40 + 5};
constexpr Point FoldedApex{1 + 207, 40 + 13};
constexpr QRgb LightCloseHover = 0xFFA500;
constexpr QRgb DarkCloseHover = 0x613A34;

// A characteristic pixel of the chrome, in window coordinates, with its colour
// in the light and in the dark look.
struct Probe {
    const char* what;
    Point at;
    QRgb light, dark;
};

constexpr Probe Probes[] = {
    {"window border", {0, 0}, 0x7D7D7D, 0x000000},
    {"window border, bottom right", {415, 799}, 0x7D7D7D, 0x000000},
    {"title bar fill", TitleFill, 0xFFFFFF, 0x2B333B},
    {"resting close button fill", CloseFill, 0xFFFFFF, 0x2B333B},
    {"close button glyph", CloseGlyph, 0x5B5B5B, 0xE6E6E6},
    {"collapse strip background", StripBack, 0xE5E4E5, 0x2E2821},
    {"open chevron apex", OpenApex, 0x151515, 0xE9E9E9},
    {"comparison panel fill", {6, 64}, 0xF5F4F5, 0x1F1F1F},
    {"picker panel fill", {6, 700}, 0xF5F4F5, 0x1F1F1F},
    {"web input frame outline", {1 + 242, 404 + 44}, 0x646464, 0x000000},
    {"web convert button fill", {1 + 33 + 4, 404 + 44 + 4}, 0xE3E3E3, 0x7F7F7F},
    {"footer top row", {200, 765}, 0x000000, 0x000000},
    {"footer left end", {1, 780}, 0xB3B3B3, 0x2B333B},
};

class ChromeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* old = getenv("XDG_CONFIG_HOME");
        if (old) savedConfig = old;
        std::string pattern = (fs::temp_directory_path() / "tintwell-chrome.XXXXXX").string();
        ASSERT_TRUE(mkdtemp(pattern.data()));
        config = pattern;
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);

        display = xclient::OpenDisplay();
        ASSERT_TRUE(display) << "cannot open X display; run under with_xvfb.sh";
        // Park the pointer away from where the window will appear, so that
        // nothing starts hovered.
        ASSERT_TRUE(RunCommand("xdotool mousemove 0 0"));
        Start();
    }
    void TearDown() override {
        if (app && !app->PollExit()) {
            if (window) xclient::SendCloseRequest(display.get(), *window);
            const auto status = app->WaitExit(5s);
            EXPECT_TRUE(status && WIFEXITED(*status) && WEXITSTATUS(*status) == 0);
        }
        app.reset();
        if (savedConfig)
            setenv("XDG_CONFIG_HOME", savedConfig->c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
        std::error_code ignored;
        if (!config.empty()) fs::remove_all(config, ignored);
    }

    void Start() {
        app.emplace();
        std::string why;
        window = app->WaitForWindow(display.get(), why);
        ASSERT_TRUE(window) << why;
        const auto geometry = xclient::WindowGeometry(display.get(), *window);
        ASSERT_TRUE(geometry);
        start = *geometry;
        origin = {geometry->x, geometry->y};
    }
    // Closes the app as a window manager would and starts a new one.
    void Restart() {
        ASSERT_TRUE(xclient::SendCloseRequest(display.get(), *window));
        const auto status = app->WaitExit(5s);
        ASSERT_TRUE(status && WIFEXITED(*status) && WEXITSTATUS(*status) == 0)
            << (status ? DescribeStatus(*status) : "still running 5 s after the close request");
        app.reset();
        Start();
    }

    // Moves the pointer to a screen point, then runs the xdotool commands in
    // `then`. Waits for the move only when there is one: xdotool would wait
    // for a move to the spot where the pointer already is for a long time.
    bool PointerTo(int x, int y, const std::string& then = "") {
        const bool moves = x != pointer.x || y != pointer.y;
        pointer = {x, y};
        return RunCommand(std::string("xdotool mousemove ") + (moves ? "--sync " : "") +
                          std::to_string(x) + " " + std::to_string(y) + " " + then)
            .has_value();
    }
    // The same at a window point.
    bool MoveTo(Point p, const std::string& then = "") {
        return PointerTo(origin.x + p.x, origin.y + p.y, then);
    }
    void Click(Point p, int button) { ASSERT_TRUE(MoveTo(p, "click " + std::to_string(button))); }
    // A right click on the title bar as a hand makes it: the press switches
    // the look, which unmaps and maps the window, and the button comes up
    // once the new look shows. A release that falls into the unmapped moment
    // never reaches the window, and the pointer then counts as still held.
    void SwitchLook(bool toDark) {
        ASSERT_TRUE(MoveTo(TitleFill, "mousedown 3"));
        const QRgb strip = toDark ? 0x2E2821 : 0xE5E4E5;
        const QRgb seen = ColorAt(StripBack, strip);
        ASSERT_TRUE(RunCommand("xdotool mouseup 3"));
        ASSERT_EQ(Hex(seen), Hex(strip)) << "the look did not switch";
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
    void ExpectLook(bool dark) {
        for (const Probe& probe : Probes) {
            const QRgb expected = dark ? probe.dark : probe.light;
            EXPECT_EQ(Hex(ColorAt(probe.at, expected)), Hex(expected))
                << probe.what << " at (" << probe.at.x << ", " << probe.at.y << ") in the "
                << (dark ? "dark" : "light") << " look";
        }
    }

    // The window's geometry once it satisfies `done`, or the last one seen.
    template <typename Done>
    xclient::Rect GeometryWhen(Done done) {
        std::optional<xclient::Rect> seen;
        const auto deadline = Clock::now() + 2s;
        do {
            seen = xclient::WindowGeometry(display.get(), *window);
            if (seen && done(*seen)) break;
            std::this_thread::sleep_for(20ms);
        } while (Clock::now() < deadline);
        return seen.value_or(xclient::Rect{-1, -1, -1, -1});
    }

    fs::path ThemeFile() const { return config / "Huebox" / "theme.ini"; }
    std::string ThemeFileBytes() const {
        std::ifstream in(ThemeFile(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::optional<std::string> savedConfig;
    fs::path config;
    xclient::DisplayPtr display;
    std::optional<RunningApp> app;
    std::optional<xclient::Window> window;
    xclient::Rect start;
    Point origin{};
    Point pointer{0, 0};  // on the screen
};

// Splits text into CR LF terminated lines; false if any CR or LF stands alone
// or the text does not end with CR LF.
bool SplitCrLf(const std::string& text, std::vector<std::string>& lines) {
    lines.clear();
    size_t begin = 0;
    while (begin < text.size()) {
        const size_t end = text.find_first_of("\r\n", begin);
        if (end == std::string::npos || text.compare(end, 2, "\r\n") != 0) return false;
        lines.push_back(text.substr(begin, end - begin));
        begin = end + 2;
    }
    return true;
}

TEST_F(ChromeTest, RightClickOnTitleBarSwitchesLookAndSavesIt) {
    ExpectLook(false);
    EXPECT_FALSE(fs::exists(ThemeFile()));

    SwitchLook(true);
    ExpectLook(true);
    EXPECT_EQ(Text(GeometryWhen([&](const xclient::Rect& r) { return r == start; })), Text(start))
        << "the repaint must not move or resize the window";

    const std::string bytes = ThemeFileBytes();
    EXPECT_EQ(bytes.substr(0, 9), "1\r\n \r\n \r\n");
    std::vector<std::string> lines;
    EXPECT_TRUE(SplitCrLf(bytes, lines)) << "every line must end with CR LF";
    EXPECT_EQ(lines.size(), 11u);

    // The close button reads the new palette when the pointer repaints it.
    ASSERT_TRUE(MoveTo(CloseFill));
    EXPECT_EQ(Hex(ColorAt(CloseFill, DarkCloseHover)), Hex(DarkCloseHover));
    ASSERT_TRUE(MoveTo(TitleFill));
    EXPECT_EQ(Hex(ColorAt(CloseFill, 0x2B333B)), Hex(0x2B333B));

    // And back: the file now says light.
    SwitchLook(false);
    ExpectLook(false);
    EXPECT_EQ(ThemeFileBytes().substr(0, 3), "0\r\n");
}

TEST_F(ChromeTest, RestartComesUpInTheSavedLook) {
    SwitchLook(true);
    Restart();
    ExpectLook(true);
}

TEST_F(ChromeTest, CloseButtonEndsOnPressAndWritesNoThemeFile) {
    ASSERT_TRUE(MoveTo(CloseFill));
    EXPECT_EQ(Hex(ColorAt(CloseFill, LightCloseHover)), Hex(LightCloseHover));
    ASSERT_TRUE(MoveTo(TitleFill));
    EXPECT_EQ(Hex(ColorAt(CloseFill, 0xFFFFFF)), Hex(0xFFFFFF));

    // The press alone ends it; the release comes after the process is gone.
    ASSERT_TRUE(MoveTo(CloseFill, "mousedown 1"));
    const auto status = app->WaitExit(5s);
    RunCommand("xdotool mouseup 1");
    ASSERT_TRUE(status) << "still running 5 s after the press on the close button";
    EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << DescribeStatus(*status);
    EXPECT_FALSE(fs::exists(config / "Huebox"));
}

TEST_F(ChromeTest, DraggingTheTitleBarMovesTheWindow) {
    // Grabbed at window (150, 20), which is title bar (149, 19): the window's
    // corner lands at pointer - (149, 19), one pixel right of and below where
    // the grabbed point would stay under the pointer.
    constexpr Point Grab{150, 20};
    constexpr int Dx = -230, Dy = 90;
    ASSERT_TRUE(MoveTo(Grab, "mousedown 1"));
    const Point grabbed = pointer;
    for (int step = 1; step <= 4; ++step)
        ASSERT_TRUE(PointerTo(grabbed.x + Dx * step / 4, grabbed.y + Dy * step / 4));
    ASSERT_TRUE(RunCommand("xdotool mouseup 1"));

    const xclient::Rect expected{grabbed.x + Dx - (Grab.x - 1), grabbed.y + Dy - (Grab.y - 1),
                                 start.width, start.height};
    EXPECT_EQ(Text(GeometryWhen([&](const xclient::Rect& r) { return r == expected; })),
              Text(expected));

    // Released: moving over the title bar no longer drags.
    const xclient::Rect dropped = GeometryWhen([](const xclient::Rect&) { return true; });
    ASSERT_TRUE(PointerTo(pointer.x + 40, pointer.y + 5));
    std::this_thread::sleep_for(150ms);
    EXPECT_EQ(Text(GeometryWhen([](const xclient::Rect&) { return true; })), Text(dropped));
}

TEST_F(ChromeTest, CollapseStripFoldsAndUnfoldsTheComparisonPanel) {
    const xclient::Rect folded{start.x, start.y, start.width, 455};

    Click(CollapseStrip, 1);
    EXPECT_EQ(Text(GeometryWhen([&](const xclient::Rect& r) { return r == folded; })),
              Text(folded));
    EXPECT_EQ(Hex(ColorAt(FoldedApex, 0x151515)), Hex(0x151515)) << "downward chevron";
    EXPECT_EQ(Hex(ColorAt(OpenApex, 0xE5E4E5)), Hex(0xE5E4E5));
    // The web panel stands right under the strip and the footer 345 rows up.
    EXPECT_EQ(Hex(ColorAt({1 + 33 + 4, 59 + 44 + 4}, 0xE3E3E3)), Hex(0xE3E3E3)) << "web button";
    EXPECT_EQ(Hex(ColorAt({6, 419}, 0xF5F4F5)), Hex(0xF5F4F5)) << "picker panel's last row";
    EXPECT_EQ(Hex(ColorAt({200, 420}, 0x000000)), Hex(0x000000)) << "footer top row";
    EXPECT_EQ(Hex(ColorAt({1, 435}, 0xB3B3B3)), Hex(0xB3B3B3)) << "footer left end";
    EXPECT_EQ(Hex(ColorAt({0, 454}, 0x7D7D7D)), Hex(0x7D7D7D)) << "bottom border";

    Click(CollapseStrip, 1);
    EXPECT_EQ(Text(GeometryWhen([&](const xclient::Rect& r) { return r == start; })), Text(start));
    ExpectLook(false);
}

TEST_F(ChromeTest, ThemeSwitchWhileFoldedKeepsTheFold) {
    Click(CollapseStrip, 1);
    const xclient::Rect folded{start.x, start.y, start.width, 455};
    ASSERT_EQ(Text(GeometryWhen([&](const xclient::Rect& r) { return r == folded; })),
              Text(folded));

    SwitchLook(true);
    EXPECT_EQ(Hex(ColorAt(FoldedApex, 0xE9E9E9)), Hex(0xE9E9E9)) << "downward chevron, dark";
    EXPECT_EQ(Hex(ColorAt(StripBack, 0x2E2821)), Hex(0x2E2821)) << "strip background, dark";
    EXPECT_EQ(Hex(ColorAt({200, 420}, 0x000000)), Hex(0x000000)) << "footer top row";
    EXPECT_EQ(Hex(ColorAt({1, 435}, 0x2B333B)), Hex(0x2B333B)) << "footer left end, dark";
    EXPECT_EQ(Text(GeometryWhen([&](const xclient::Rect& r) { return r == folded; })),
              Text(folded));

    Click(CollapseStrip, 1);
    EXPECT_EQ(Text(GeometryWhen([&](const xclient::Rect& r) { return r == start; })), Text(start));
    ExpectLook(true);
}

}  // namespace
