// Starts the real executable on the X display in $DISPLAY (see with_xvfb.sh), checks where its
// window appears and that it quits cleanly when a window manager asks it to close.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <string>
#include <thread>

#include "tools/xclient.h"

extern char** environ;

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr const char* kTitle = "Tintwell v7";
constexpr int kWidth = 416;
constexpr int kHeight = 800;

// The application as a child process; killed and reaped on destruction if still running.
class App {
  public:
    App() {
        char* argv[] = {const_cast<char*>(TINTWELL_EXE), nullptr};
        if (posix_spawn(&pid_, TINTWELL_EXE, nullptr, nullptr, argv, environ) != 0) pid_ = 0;
    }
    App(const App&) = delete;
    App& operator=(const App&) = delete;
    ~App() {
        if (pid_ > 0 && !status_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }

    pid_t pid() const { return pid_; }

    // The wait status once the process has exited, reaping it.
    std::optional<int> PollExit() {
        int status = 0;
        if (!status_ && waitpid(pid_, &status, WNOHANG) == pid_) status_ = status;
        return status_;
    }

    std::optional<int> WaitExit(std::chrono::milliseconds timeout) {
        const auto deadline = Clock::now() + timeout;
        while (!PollExit() && Clock::now() < deadline)
            std::this_thread::sleep_for(5ms);
        return PollExit();
    }

  private:
    pid_t pid_ = 0;
    std::optional<int> status_;
};

std::string Describe(int status) {
    if (WIFEXITED(status)) return "exit code " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status)) return "signal " + std::to_string(WTERMSIG(status));
    return "wait status " + std::to_string(status);
}

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
        App app;
        ASSERT_GT(app.pid(), 0) << "cannot start " << TINTWELL_EXE;

        std::optional<xclient::Window> window;
        const auto deadline = Clock::now() + 10s;
        while (!window && Clock::now() < deadline) {
            if (auto status = app.PollExit()) {
                FAIL() << "exited with " << Describe(*status) << " before showing its window";
            }
            window = xclient::FindWindow(display.get(), kTitle, 50ms, app.pid(), true);
        }
        ASSERT_TRUE(window) << "no viewable window titled '" << kTitle << "' within 10 s";

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
        EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << Describe(*status);
    }
}

}  // namespace
