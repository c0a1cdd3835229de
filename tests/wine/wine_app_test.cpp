// The cross-built executable under Wine, driven from the X side as a user
// would: it must open centred in the light look, convert a typed code, save
// the look on a right click, pick through the mouse hook and end on the close
// button with exit code 0. Run by tests/wine/run.sh, which makes the prefix
// and the display and says which executable and loader to use.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <regex>
#include <string>
#include <thread>

#include "tools/xclient.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

constexpr const char* MainTitle = "Tintwell v7";

struct Point {
    int x, y;
};

// Window points, as in the end-to-end tests of the Linux build.
constexpr Point TitleFill{250, 20};
constexpr Point CloseGlyph{354 + 21, 1 + 29};
constexpr Point StripBack{21, 50};
constexpr Point WebField{1 + 234 + 70, 404 + 46 + 9};
constexpr Point WebButton{1 + 33 + 92, 404 + 44 + 21};
constexpr Point WebButtonFill{1 + 33 + 4, 404 + 44 + 4};
constexpr Point PickerCheck{1 + 33 + 10, 640 - 1 + 9};
constexpr Point SwatchInside{1 + 33 + 5, 640 + 28 + 5};
constexpr Point PickField{1 + 234 + 70, 640 + 62 + 9};
constexpr Point PanelFill{6, 64};
constexpr Point BackColorButton{207, 128};
constexpr Point BackHexField{305, 187};

struct Probe {
    const char* what;
    Point at;
    QRgb light, dark;
};

constexpr Probe Probes[] = {
    {"window border", {0, 0}, 0x7D7D7D, 0x000000},
    {"title bar fill", TitleFill, 0xFFFFFF, 0x2B333B},
    {"close button glyph", CloseGlyph, 0x5B5B5B, 0xE6E6E6},
    {"collapse strip background", StripBack, 0xE5E4E5, 0x2E2821},
    {"comparison panel fill", PanelFill, 0xF5F4F5, 0x1F1F1F},
    {"picker panel fill", {6, 700}, 0xF5F4F5, 0x1F1F1F},
    {"web convert button fill", WebButtonFill, 0xE3E3E3, 0x7F7F7F},
    {"footer left end", {1, 780}, 0xB3B3B3, 0x2B333B},
};

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string Hex(QRgb rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "%06X", rgb & 0xFFFFFFu);
    return text;
}

std::optional<std::string> RunCommand(const std::string& command) {
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return std::nullopt;
    std::string out;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe))
        out += buffer;
    return pclose(pipe) == 0 ? std::optional(out) : std::nullopt;
}

class WineAppTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string loader = Env("TINTWELL_WINE"), exe = Env("TINTWELL_WINE_EXE");
        ASSERT_FALSE(loader.empty() || exe.empty())
            << "TINTWELL_WINE and TINTWELL_WINE_EXE must be set; run tests/wine/run.sh";
        appData = Env("TINTWELL_WINE_APPDATA");
        ASSERT_FALSE(appData.empty());
        std::error_code ignored;
        fs::remove_all(appData / "Huebox", ignored);
        display = xclient::OpenDisplay();
        ASSERT_TRUE(display) << "cannot open the X display";
        ASSERT_TRUE(RunCommand("xsetroot -solid '#1A2B3C' && xdotool mousemove --sync 3 3"));

        pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            execlp(loader.c_str(), loader.c_str(), exe.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        window = xclient::FindWindow(display.get(), MainTitle, 30s, 0, true);
        ASSERT_TRUE(window) << "no window titled \"" << MainTitle << "\" within 30 s"
                            << (Exited() ? " (the program has ended)" : "");
        const auto geometry = xclient::WindowGeometry(display.get(), *window);
        ASSERT_TRUE(geometry);
        origin = {geometry->x, geometry->y};
        size = {geometry->width, geometry->height};
        // The collapse strip is painted by the last pass of the build.
        ASSERT_EQ(Hex(ColorAt(StripBack, 0xE5E4E5, 10s)), Hex(0xE5E4E5));
    }

    void TearDown() override {
        if (pid <= 0) return;
        if (!Exited()) {
            // The close button ends the program with exit code 0.
            Click(CloseGlyph);
            const auto deadline = Clock::now() + 10s;
            while (!Exited() && Clock::now() < deadline)
                std::this_thread::sleep_for(50ms);
        }
        if (!Exited()) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            ADD_FAILURE() << "still running 10 s after a click on the close button";
            return;
        }
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "exit status " << status;
    }

    bool Exited() {
        if (exited) return true;
        exited = waitpid(pid, &status, WNOHANG) == pid;
        return exited;
    }

    Point Screen(Point p) const { return {origin.x + p.x, origin.y + p.y}; }

    static void MoveToScreen(Point s) {
        const std::string there = "X=" + std::to_string(s.x) + "\nY=" + std::to_string(s.y);
        if (RunCommand("xdotool getmouselocation --shell").value_or("").starts_with(there)) return;
        ASSERT_TRUE(RunCommand("xdotool mousemove --sync " + std::to_string(s.x) + " " +
                               std::to_string(s.y)));
    }
    void Click(Point p, int button = 1) {
        MoveToScreen(Screen(p));
        ASSERT_TRUE(RunCommand("xdotool click " + std::to_string(button)));
        std::this_thread::sleep_for(150ms);
    }
    // Clicking a field selects all of it; the clipboard carries it out.
    std::string CopyField(Point field) {
        Click(field);
        RunCommand("xdotool key ctrl+c");
        std::this_thread::sleep_for(300ms);
        return RunCommand("xclip -o -selection clipboard").value_or("<no clipboard>");
    }
    QRgb ColorAt(Point p, QRgb expected, std::chrono::milliseconds wait = 3s) {
        const Point s = Screen(p);
        std::optional<QRgb> seen;
        const auto deadline = Clock::now() + wait;
        do {
            seen = xclient::PixelAt(display.get(), s.x, s.y);
            if (seen && (*seen & 0xFFFFFF) == expected) break;
            std::this_thread::sleep_for(25ms);
        } while (Clock::now() < deadline);
        return seen ? *seen & 0xFFFFFF : 0xFFFFFFFF;
    }
    void ExpectLook(bool dark) {
        for (const Probe& probe : Probes) {
            const QRgb expected = dark ? probe.dark : probe.light;
            EXPECT_EQ(Hex(ColorAt(probe.at, expected)), Hex(expected))
                << probe.what << ", " << (dark ? "dark" : "light") << " look";
        }
    }

    fs::path appData;
    xclient::DisplayPtr display;
    std::optional<xclient::Window> window;
    pid_t pid = -1;
    int status = 0;
    bool exited = false;
    Point origin{}, size{};
};

TEST_F(WineAppTest, OpensCentredInTheLightLook) {
    const xclient::Size screen = xclient::ScreenSize(display.get());
    EXPECT_EQ(size.x, 416);
    EXPECT_EQ(size.y, 800);
    EXPECT_EQ(origin.x, (screen.width - 416) / 2);
    EXPECT_EQ(origin.y, (screen.height - 800) / 2);
    ExpectLook(false);
}

TEST_F(WineAppTest, ConvertsATypedWebCode) {
    Click(WebField);
    ASSERT_TRUE(RunCommand("xdotool type --delay 30 '#1A2B3C'"));
    Click(WebButton);
    EXPECT_EQ(CopyField(WebField), "rgba(26,43,60,1.0)");
    EXPECT_EQ(Hex(ColorAt(WebButtonFill, 0x1A2B3C)), Hex(0x1A2B3C));
}

TEST_F(WineAppTest, RightClickOnTheTitleBarSavesTheDarkLook) {
    Click(TitleFill, 3);
    ExpectLook(true);
    const fs::path file = appData / "Huebox" / "theme.ini";
    std::ifstream in(file, std::ios::binary);
    ASSERT_TRUE(in.is_open()) << file << " was not written";
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::string rule(52, '-');
    const std::regex expected(
        "1\r\n \r\n \r\nTheme config file created on: [^\r\n]+\r\n" + rule +
        "\r\n \r\nDyelark // Tintwell v7\r\nmade by the Tintwell developers\r\n \r\n" + rule +
        "\r\ndonate with PayPal: tintwell@example\\.org\r\n");
    EXPECT_TRUE(std::regex_match(bytes, expected)) << bytes;
}

TEST_F(WineAppTest, PickerSamplesTheScreenAndTheHookPicks) {
    Click(PickerCheck);
    // Armed, it follows the pointer: the bare desktop's colour in the swatch.
    MoveToScreen({origin.x - 100 > 10 ? origin.x - 100 : 10, 40});
    EXPECT_EQ(Hex(ColorAt(SwatchInside, 0x1A2B3C)), Hex(0x1A2B3C));
    // A left press on the tool's own window reaches the hook and picks there.
    Click(PanelFill);
    EXPECT_EQ(CopyField(PickField), "rgb(245,244,245)");
    // Disarmed by the pick: the field no longer follows the pointer.
    MoveToScreen({10, 40});
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(CopyField(PickField), "rgb(245,244,245)");
}

// The system's colour dialog, owned by the tool: its OK hands the colour back,
// which the comparison panel shows as a code and paints.
TEST_F(WineAppTest, TheColourDialogHandsItsChoiceBack) {
    Click(BackColorButton);
    const auto dialog = xclient::FindWindow(display.get(), "Color", 10s, 0, true);
    ASSERT_TRUE(dialog) << "no colour dialog";
    const auto where = xclient::WindowGeometry(display.get(), *dialog);
    ASSERT_TRUE(where);
    MoveToScreen({where->x + 45, where->y + where->height - 20});  // OK
    ASSERT_TRUE(RunCommand("xdotool click 1"));
    const auto deadline = Clock::now() + 3s;
    while (xclient::FindWindowNow(display.get(), "Color", 0, true) && Clock::now() < deadline)
        std::this_thread::sleep_for(50ms);
    ASSERT_FALSE(xclient::FindWindowNow(display.get(), "Color", 0, true))
        << "the dialog stays open";
    const std::string code = CopyField(BackHexField);
    ASSERT_TRUE(std::regex_match(code, std::regex("#[0-9A-F]{6}"))) << code;
    const QRgb chosen = static_cast<QRgb>(std::stoul(code.substr(1), nullptr, 16));
    EXPECT_EQ(Hex(ColorAt({60, 110}, chosen)), Hex(chosen));
}

}  // namespace
