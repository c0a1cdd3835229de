// Measures one start of an application:
//
//   tintwell-startup-probe <app> <window title> [settle-ms] [timeout-ms]
//
// Spawns <app>, measures (CLOCK_MONOTONIC) from just before the spawn to the first moment a
// viewable window with that exact title belonging to it exists, waits settle-ms (default 2000),
// reads the app's resident memory, closes it with a window-manager close request and prints
//
//   map_ms=<float> rss_kib=<int> exit=<int>
//
// Exits 0 only if all of that worked and the app exited with status 0.
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <thread>

#include "tools/xclient.h"

// After Qt's headers, which Xlib's macros (Status, None, ...) would break.
#include <X11/Xlib.h>

extern char** environ;

namespace {

double NowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

std::optional<long> VmRssKib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return std::nullopt;
}

// Reaps the child if it has exited; returns its wait status.
std::optional<int> TryReap(pid_t pid) {
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid) return status;
    return std::nullopt;
}

std::optional<int> WaitExit(pid_t pid, double timeout_ms) {
    const double deadline = NowMs() + timeout_ms;
    while (NowMs() < deadline) {
        if (auto status = TryReap(pid)) return status;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return TryReap(pid);
}

int Fail(pid_t pid, const char* message) {
    std::fprintf(stderr, "tintwell-startup-probe: %s\n", message);
    if (pid > 0 && kill(pid, SIGKILL) == 0) waitpid(pid, nullptr, 0);
    return 1;
}

long ParseMs(const char* text) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    return (*end == '\0' && value >= 0) ? value : -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 5) {
        std::fprintf(stderr,
                     "usage: tintwell-startup-probe <app> <window title> [settle-ms] "
                     "[timeout-ms]\n");
        return 2;
    }
    const std::string title = argv[2];
    const long settle_ms = argc > 3 ? ParseMs(argv[3]) : 2000;
    const long timeout_ms = argc > 4 ? ParseMs(argv[4]) : 10000;
    if (settle_ms < 0 || timeout_ms < 0) return Fail(0, "times must be non-negative integers");

    auto display = xclient::OpenDisplay();
    if (!display) return Fail(0, "cannot open display");
    // Map events of top-level windows wake the loop below at once; the timeout in poll() covers
    // titles set after mapping and windows nested deeper.
    Display* d = display.get();
    XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
    XSync(d, False);

    char* child_argv[] = {argv[1], nullptr};
    pid_t pid = 0;
    const double start = NowMs();
    if (posix_spawn(&pid, argv[1], nullptr, nullptr, child_argv, environ) != 0) {
        return Fail(0, "cannot start the app");
    }

    double mapped = 0;
    while (true) {
        if (xclient::FindWindowNow(d, title, pid, true)) {
            mapped = NowMs();
            break;
        }
        if (TryReap(pid)) return Fail(0, "the app exited before its window was mapped");
        if (NowMs() - start > static_cast<double>(timeout_ms)) {
            return Fail(pid, "timed out waiting for the window");
        }
        pollfd fd{ConnectionNumber(d), POLLIN, 0};
        poll(&fd, 1, 5);
        while (XPending(d)) {
            XEvent event;
            XNextEvent(d, &event);
        }
    }

    std::this_thread::sleep_for(std::chrono::milliseconds(settle_ms));
    if (TryReap(pid)) return Fail(0, "the app exited while settling");
    const auto rss = VmRssKib(pid);
    if (!rss) return Fail(pid, "cannot read VmRSS");

    // The mapped one: some toolkits keep an unmapped leader window of the same title.
    const auto window = xclient::FindWindowNow(d, title, pid, true);
    if (!window || !xclient::SendCloseRequest(d, *window)) {
        return Fail(pid, "cannot send a close request to the window");
    }
    const auto status = WaitExit(pid, 5000);
    if (!status) return Fail(pid, "the app did not exit within 5 s of the close request");
    const int code = WIFEXITED(*status) ? WEXITSTATUS(*status) : 128 + WTERMSIG(*status);
    std::printf("map_ms=%.1f rss_kib=%ld exit=%d\n", mapped - start, *rss, code);
    return code == 0 ? 0 : 1;
}
