#include "tests/e2e/running_app.h"

#include <signal.h>
#include <spawn.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <thread>

extern char** environ;

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

// The strip's background in the light and in the dark look.
bool StripPainted(xclient::Display* display, xclient::Window window) {
    const auto geometry = xclient::WindowGeometry(display, window);
    if (!geometry) return false;
    const auto pixel = xclient::PixelAt(display, geometry->x + 21, geometry->y + 50);
    return pixel && ((*pixel & 0xFFFFFF) == 0xE5E4E5 || (*pixel & 0xFFFFFF) == 0x2E2821);
}

}  // namespace

RunningApp::RunningApp() : RunningApp(AppEnvironment(), {}) {}

RunningApp::RunningApp(const std::vector<std::string>& environment, const std::string& folder) {
    std::vector<char*> env;
    for (const std::string& variable : environment)
        env.push_back(const_cast<char*>(variable.c_str()));
    env.push_back(nullptr);
    char* argv[] = {const_cast<char*>(TINTWELL_EXE), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!folder.empty()) posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    if (posix_spawn(&pid_, TINTWELL_EXE, &actions, nullptr, argv, env.data()) != 0) pid_ = 0;
    posix_spawn_file_actions_destroy(&actions);
}

RunningApp::~RunningApp() {
    if (pid_ > 0 && !status_) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
}

std::optional<int> RunningApp::PollExit() {
    int status = 0;
    if (pid_ > 0 && !status_ && waitpid(pid_, &status, WNOHANG) == pid_) status_ = status;
    return status_;
}

std::optional<int> RunningApp::WaitExit(std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    while (!PollExit() && Clock::now() < deadline)
        std::this_thread::sleep_for(5ms);
    return PollExit();
}

std::optional<xclient::Window> RunningApp::WaitForWindow(xclient::Display* display,
                                                         std::string& why) {
    if (pid_ <= 0) {
        why = std::string("cannot start ") + TINTWELL_EXE;
        return std::nullopt;
    }
    const auto deadline = Clock::now() + 10s;
    while (Clock::now() < deadline) {
        if (auto status = PollExit()) {
            why = "exited with " + DescribeStatus(*status) + " before showing its window";
            return std::nullopt;
        }
        auto window = xclient::FindWindow(display, MainTitle, 50ms, pid_, true);
        if (window && StripPainted(display, *window)) return window;
    }
    why = std::string("no ready window titled '") + MainTitle + "' within 10 s";
    return std::nullopt;
}

std::string DescribeStatus(int status) {
    if (WIFEXITED(status)) return "exit code " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status)) return "signal " + std::to_string(WTERMSIG(status));
    return "wait status " + std::to_string(status);
}

std::vector<std::string> AppEnvironment() {
    std::vector<std::string> environment = EnvironmentWithout({});
    if (const char* preload = getenv("TINTWELL_APP_PRELOAD"))
        environment.push_back(std::string("LD_PRELOAD=") + preload);
    return environment;
}

std::vector<std::string> EnvironmentWithout(const std::vector<std::string>& names) {
    std::vector<std::string> kept;
    for (char** variable = environ; *variable; ++variable) {
        const std::string entry = *variable;
        const std::string name = entry.substr(0, entry.find('='));
        bool drop = false;
        for (const std::string& n : names)
            drop = drop || n == name;
        if (!drop) kept.push_back(entry);
    }
    return kept;
}

std::optional<std::string> RunCommand(const std::string& command) {
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return std::nullopt;
    std::string output;
    char buffer[256];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe))
        output.append(buffer, n);
    return pclose(pipe) == 0 ? std::optional(output) : std::nullopt;
}
