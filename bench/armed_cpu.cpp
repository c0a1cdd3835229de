// The CPU use of the real tool while the picker is armed and the pointer
// stands still, on the X display in $DISPLAY:
//
//   tintwell-armed-cpu <tintwell executable> [seconds]   (default 10)
//
// Starts the tool, arms the picker with a click on its check box (xdotool),
// parks the pointer over the title bar, checks that the swatch took the
// colour there (so the picker really ticks), then reads the CPU time of all
// the tool's threads (/proc/<pid>/task/*/schedstat) over the given seconds.
// Prints
//
//   cpu_percent=<float> cpu_ms=<float> seconds=<int>
//
// where the percentage is of one core.
#include <dirent.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <thread>

#include "tools/xclient.h"

extern char** environ;

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr const char* Title = "Tintwell v7";
// Window points: the picker's check box, a spot on the title bar, the swatch.
constexpr int CheckX = 41, CheckY = 648;
constexpr int ParkX = 150, ParkY = 20;
constexpr int SwatchX = 40, SwatchY = 675;

// Nanoseconds on a CPU of each thread of the process, by thread id.
std::map<std::string, double> ThreadCpuNanoseconds(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    std::map<std::string, double> threads;
    DIR* dir = opendir(tasks.c_str());
    if (!dir) return threads;
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.') continue;
        std::ifstream stat(tasks + "/" + entry->d_name + "/schedstat");
        double ns = 0;
        if (stat >> ns) threads[entry->d_name] = ns;
    }
    closedir(dir);
    return threads;
}

// What the threads used between the two readings: a thread that started in
// between counts in full; one that ended loses only its last moments.
double CpuBetween(const std::map<std::string, double>& before,
                  const std::map<std::string, double>& after) {
    double total = 0;
    for (const auto& [thread, ns] : after) {
        const auto it = before.find(thread);
        total += it == before.end() ? ns : ns - it->second;
    }
    return total;
}

bool Run(const std::string& command) {
    return std::system(command.c_str()) == 0;
}

int Fail(pid_t pid, const char* message) {
    std::fprintf(stderr, "tintwell-armed-cpu: %s\n", message);
    if (pid > 0 && kill(pid, SIGKILL) == 0) waitpid(pid, nullptr, 0);
    return 1;
}

// The colour at a screen point once it is the expected one, within 3 s.
bool ColourBecomes(xclient::Display* d, int x, int y, unsigned expected) {
    const auto deadline = Clock::now() + 3s;
    while (Clock::now() < deadline) {
        const auto pixel = xclient::PixelAt(d, x, y);
        if (pixel && (*pixel & 0xFFFFFF) == expected) return true;
        std::this_thread::sleep_for(20ms);
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: tintwell-armed-cpu <tintwell executable> [seconds]\n");
        return 2;
    }
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 10;
    if (seconds < 1) return Fail(0, "seconds must be a positive integer");
    auto display = xclient::OpenDisplay();
    if (!display) return Fail(0, "cannot open the display");
    xclient::Display* d = display.get();

    char* child_argv[] = {argv[1], nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[1], nullptr, nullptr, child_argv, environ) != 0)
        return Fail(0, "cannot start the tool");
    const auto window = xclient::FindWindow(d, Title, 10s, pid, true);
    if (!window) return Fail(pid, "no window within 10 s");
    std::optional<xclient::Rect> at;
    // The collapse strip is painted by the last step of the start (light look).
    for (auto deadline = Clock::now() + 5s; Clock::now() < deadline;) {
        at = xclient::WindowGeometry(d, *window);
        if (at && ColourBecomes(d, at->x + 21, at->y + 50, 0xE5E4E5)) break;
        at.reset();
    }
    if (!at) return Fail(pid, "the window was not painted in the light look");

    auto point = [&](int x, int y) {
        return std::to_string(at->x + x) + " " + std::to_string(at->y + y);
    };
    // Armed, the swatch shows the colour under the pointer: the title bar's
    // white. A click that comes too early is lost; then the next one arms.
    bool armed = false;
    for (int attempt = 0; attempt < 3 && !armed; ++attempt) {
        if (!Run("xdotool mousemove --sync " + point(CheckX, CheckY) + " click 1") ||
            !Run("xdotool mousemove --sync " + point(ParkX, ParkY)))
            return Fail(pid, "xdotool failed");
        armed = ColourBecomes(d, at->x + SwatchX, at->y + SwatchY, 0xFFFFFF);
    }
    if (!armed) return Fail(pid, "the picker did not sample (is it armed?)");
    std::this_thread::sleep_for(1s);

    const auto before = ThreadCpuNanoseconds(pid);
    const auto start = Clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    const auto after = ThreadCpuNanoseconds(pid);
    const double wall = std::chrono::duration<double, std::nano>(Clock::now() - start).count();
    if (before.empty() || after.empty()) return Fail(pid, "cannot read the tool's CPU time");
    const double used = CpuBetween(before, after);

    xclient::SendCloseRequest(d, *window);
    int status = 0;
    for (auto deadline = Clock::now() + 5s; Clock::now() < deadline;) {
        if (waitpid(pid, &status, WNOHANG) == pid) {
            pid = 0;
            break;
        }
        std::this_thread::sleep_for(10ms);
    }
    if (pid) return Fail(pid, "the tool did not exit after the close request");
    std::printf("cpu_percent=%.3f cpu_ms=%.1f seconds=%d\n", 100.0 * used / wall, used / 1e6,
                seconds);
    return 0;
}
