// The real executable as a child process on the display in $DISPLAY (see
// with_xvfb.sh), and the outside tools a user's session would drive it with.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "tools/xclient.h"

inline constexpr const char* MainTitle = "Tintwell v7";

class RunningApp {
  public:
    RunningApp();  // starts TINTWELL_EXE with AppEnvironment()
    // Starts it with exactly these "NAME=value" variables, in the folder
    // given (the current one when empty).
    RunningApp(const std::vector<std::string>& environment, const std::string& folder);
    RunningApp(const RunningApp&) = delete;
    RunningApp& operator=(const RunningApp&) = delete;
    ~RunningApp();  // kills and reaps it if it still runs

    pid_t Pid() const { return pid_; }
    // The wait status once the process has exited, reaping it.
    std::optional<int> PollExit();
    std::optional<int> WaitExit(std::chrono::milliseconds timeout);
    // The main window once it is ready for input, within 10 s; on failure
    // `why` says what happened. The start maps the window, and the last theme
    // pass of the build unmaps and maps it again: input sent in between would
    // be lost. The collapse strip is painted only by that pass, so once it
    // shows either look's colour the window is here to stay.
    std::optional<xclient::Window> WaitForWindow(xclient::Display* display, std::string& why);

  private:
    pid_t pid_ = 0;
    std::optional<int> status_;
};

std::string DescribeStatus(int status);

// This process's environment for the tool: as it is, and with LD_PRELOAD set
// to $TINTWELL_APP_PRELOAD when that is set (which cuts the tool's view of
// the X server; see e2e_no_xinput).
std::vector<std::string> AppEnvironment();
// This process's environment without the variables named.
std::vector<std::string> EnvironmentWithout(const std::vector<std::string>& names);

// Runs a shell command and returns what it printed; failures come back as
// nullopt.
std::optional<std::string> RunCommand(const std::string& command);
