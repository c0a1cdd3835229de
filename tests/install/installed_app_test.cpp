// The installed tree in use (install_test.sh installs it first): the installed
// executable comes up, and a left press on its footer asks the desktop to open
// the manual installed beside it, not the source tree's copy. The desktop's
// opener is a stand-in xdg-open first on PATH that writes down its arguments;
// with no desktop named in XDG_CURRENT_DESKTOP, Qt hands addresses to
// xdg-open.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <thread>

#include "tests/e2e/running_app.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

// A file address as RFC 8089 writes it: every byte but the unreserved ones and
// the slashes percent-encoded.
std::string FileUrl(const std::string& path) {
    std::string url = "file://";
    for (unsigned char c : path) {
        if (std::isalnum(c) || std::string_view("/-._~").find(c) != std::string_view::npos) {
            url += char(c);
        } else {
            constexpr char hex[] = "0123456789ABCDEF";
            url += {'%', hex[c >> 4], hex[c & 15]};
        }
    }
    return url;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(InstalledApp, FooterOpensTheInstalledManual) {
    ASSERT_TRUE(fs::exists(TINTWELL_MANUAL)) << "not installed: " << TINTWELL_MANUAL;

    const fs::path stub =
        fs::temp_directory_path() / ("tintwell-opener-" + std::to_string(getpid()));
    fs::create_directories(stub);
    const fs::path log = stub / "opened";
    {
        std::ofstream script(stub / "xdg-open");
        script << "#!/bin/sh\nprintf '%s\\n' \"$@\" >> '" << log.string() << "'\n";
    }
    fs::permissions(stub / "xdg-open", fs::perms::owner_all);
    setenv("PATH", (stub.string() + ":" + getenv("PATH")).c_str(), 1);
    unsetenv("XDG_CURRENT_DESKTOP");

    auto display = xclient::OpenDisplay();
    ASSERT_TRUE(display) << "cannot open X display; run under with_xvfb.sh";
    RunningApp app;
    std::string why;
    const auto window = app.WaitForWindow(display.get(), why);
    ASSERT_TRUE(window) << why;
    const auto at = xclient::WindowGeometry(display.get(), *window);
    ASSERT_TRUE(at);

    // The footer spans the window's width over rows 765 to 798.
    ASSERT_TRUE(RunCommand("xdotool mousemove --sync " + std::to_string(at->x + 200) + " " +
                           std::to_string(at->y + 780) + " click 1"));
    for (const auto deadline = Clock::now() + 5s; ReadFile(log).empty() && Clock::now() < deadline;)
        std::this_thread::sleep_for(20ms);
    EXPECT_EQ(ReadFile(log), FileUrl(TINTWELL_MANUAL) + "\n");

    ASSERT_TRUE(xclient::SendCloseRequest(display.get(), *window));
    const auto status = app.WaitExit(5s);
    ASSERT_TRUE(status) << "still running 5 s after the close request";
    EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << DescribeStatus(*status);
    fs::remove_all(stub);
}

}  // namespace
