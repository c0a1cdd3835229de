// The real executable where its surroundings fail it: no X server at all, an
// X server without XInput 2 (run by the e2e_no_xinput test), and neither HOME
// nor XDG_CONFIG_HOME to find its folder by.
#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/e2e/app_test.h"

namespace {

using namespace std::chrono_literals;
using e2e::Point;
namespace fs = std::filesystem;

constexpr Point TitleBarSpot{150, 20};
constexpr Point PickerCheck{1 + 33 + 10, 640 - 1 + 9};
constexpr Point SwatchInside{1 + 33 + 5, 640 + 28 + 5};
constexpr Point StripSpot{21, 50};
constexpr QRgb LightTitle = 0xFFFFFF;
constexpr QRgb LightPanel = 0xF5F4F5;
constexpr QRgb LightStrip = 0xE5E4E5;
constexpr QRgb DarkStrip = 0x2E2821;

struct Finished {
    std::optional<int> status;  // none: still running after the time-out, then killed
    std::string errors;         // what it wrote on standard error
};

// Runs the executable with exactly this environment until it ends.
Finished RunToEnd(const std::vector<std::string>& environment) {
    std::vector<char*> env;
    for (const std::string& variable : environment)
        env.push_back(const_cast<char*>(variable.c_str()));
    env.push_back(nullptr);
    char errorsPath[] = "/tmp/tintwell-stderr-XXXXXX";
    const int errors = mkstemp(errorsPath);
    if (errors < 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, errors, STDERR_FILENO);
    char* argv[] = {const_cast<char*>(TINTWELL_EXE), nullptr};
    pid_t pid = 0;
    Finished result;
    if (posix_spawn(&pid, TINTWELL_EXE, &actions, nullptr, argv, env.data()) == 0) {
        int status = 0;
        for (auto deadline = e2e::Clock::now() + 10s; e2e::Clock::now() < deadline;) {
            if (waitpid(pid, &status, WNOHANG) == pid) {
                result.status = status;
                break;
            }
            std::this_thread::sleep_for(10ms);
        }
        if (!result.status) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    }
    posix_spawn_file_actions_destroy(&actions);
    close(errors);
    std::ifstream in(errorsPath);
    result.errors.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    unlink(errorsPath);
    return result;
}

TEST(Faults, NoXServerIsOneLineAndAFailureCode) {
    struct Case {
        const char* display;  // null: DISPLAY not set at all
        const char* says;
    } cases[] = {
        {nullptr, "DISPLAY is not set"},
        {"", "DISPLAY is not set"},
        {":63999", "\":63999\""},  // no server has that number
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.display ? std::string("DISPLAY=") + c.display : "no DISPLAY");
        std::vector<std::string> environment =
            EnvironmentWithout({"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"});
        if (c.display) environment.push_back(std::string("DISPLAY=") + c.display);
        const Finished run = RunToEnd(environment);
        ASSERT_TRUE(run.status) << "still running after 10 s";
        EXPECT_TRUE(WIFEXITED(*run.status)) << DescribeStatus(*run.status);  // no abort
        EXPECT_NE(WEXITSTATUS(*run.status), 0);
        EXPECT_TRUE(run.errors.starts_with("tintwell: cannot open the X display")) << run.errors;
        EXPECT_NE(run.errors.find(c.says), std::string::npos) << run.errors;
        EXPECT_EQ(std::count(run.errors.begin(), run.errors.end(), '\n'), 1) << run.errors;
        EXPECT_TRUE(run.errors.ends_with("\n")) << run.errors;
    }
}

// The look's file goes where the tool is started when the system names no
// folder for it; the toggle works all the same and the look comes back.
class NoHomeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        display = xclient::OpenDisplay();
        ASSERT_TRUE(display) << "cannot open X display; run under with_xvfb.sh";
        char pattern[] = "/tmp/tintwell-nohome-XXXXXX";
        ASSERT_TRUE(mkdtemp(pattern));
        folder = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
    // Starts the tool there and waits for its window.
    std::optional<xclient::Window> Start(std::unique_ptr<RunningApp>& app, e2e::Point& origin) {
        app = std::make_unique<RunningApp>(EnvironmentWithout({"HOME", "XDG_CONFIG_HOME"}),
                                           folder.string());
        std::string why;
        auto window = app->WaitForWindow(display.get(), why);
        EXPECT_TRUE(window) << why;
        if (!window) return window;
        const auto geometry = xclient::WindowGeometry(display.get(), *window);
        if (geometry) origin = {geometry->x, geometry->y};
        return window;
    }
    QRgb ColorAt(e2e::Point at, QRgb expected) {
        std::optional<QRgb> seen;
        for (auto deadline = e2e::Clock::now() + 2s; e2e::Clock::now() < deadline;) {
            seen = xclient::PixelAt(display.get(), at.x, at.y);
            if (seen && (*seen & 0xFFFFFF) == expected) break;
            std::this_thread::sleep_for(20ms);
        }
        return seen ? *seen & 0xFFFFFF : 0xFFFFFFFF;
    }
    void Close(RunningApp& app, xclient::Window window) {
        ASSERT_TRUE(xclient::SendCloseRequest(display.get(), window));
        const auto status = app.WaitExit(5s);
        ASSERT_TRUE(status);
        EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << DescribeStatus(*status);
    }

    xclient::DisplayPtr display;
    fs::path folder;
};

TEST_F(NoHomeTest, TheLookIsKeptInTheStartingFolder) {
    std::unique_ptr<RunningApp> app;
    e2e::Point origin{};
    auto window = Start(app, origin);
    ASSERT_TRUE(window);
    EXPECT_EQ(ColorAt({origin.x + StripSpot.x, origin.y + StripSpot.y}, LightStrip), LightStrip);
    ASSERT_TRUE(RunCommand("xdotool mousemove --sync " + std::to_string(origin.x + 150) + " " +
                           std::to_string(origin.y + 20) + " click 3"));
    EXPECT_EQ(ColorAt({origin.x + StripSpot.x, origin.y + StripSpot.y}, DarkStrip), DarkStrip);
    std::ifstream file(folder / "Huebox" / "theme.ini", std::ios::binary);
    std::string first(3, '\0');
    file.read(first.data(), 3);
    EXPECT_EQ(first, "1\r\n");
    Close(*app, *window);

    window = Start(app, origin);  // the dark look again
    ASSERT_TRUE(window);
    EXPECT_EQ(ColorAt({origin.x + StripSpot.x, origin.y + StripSpot.y}, DarkStrip), DarkStrip);
    Close(*app, *window);
}

// Run by e2e_no_xinput, where the tool sees a server without XInput 2: it
// runs, and its picker follows the pointer, but presses outside its window
// are not seen.
class NoXInputTest : public e2e::AppTest {};

TEST_F(NoXInputTest, ThePickerRunsWithoutOutsidePresses) {
    ASSERT_NE(std::getenv("TINTWELL_APP_PRELOAD"), nullptr) << "run through the e2e_no_xinput test";
    Click(PickerCheck);
    MoveTo(Screen(TitleBarSpot));
    EXPECT_EQ(ColorAt(SwatchInside, LightTitle), LightTitle);  // armed and ticking

    ClickAt({60, 60}, 2);      // would show the magnifier
    ClickAt({60, 60}, 1);      // would pick the black desktop and disarm
    MoveTo(Screen({8, 300}));  // the comparison panel's background
    EXPECT_EQ(ColorAt(SwatchInside, LightPanel), LightPanel);  // still armed
    const auto magnifier =
        xclient::PixelAt(display.get(), origin.x + 107 + 50, origin.y + 422 + 50);
    ASSERT_TRUE(magnifier);
    EXPECT_NE(*magnifier & 0xFFFFFF, 0u);  // the converter panels, not the magnifier's black
}

}  // namespace
