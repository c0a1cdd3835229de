// Saves what a top-level window shows as a PNG, optionally closing the window afterwards.
//
//   tintwell-screenshot [--close] <window title> <out.png> [timeout-ms]
//
// Waits up to timeout-ms (default 10000) for a viewable window with that exact title, waits (up
// to 3 s) for its content to stop changing, and writes the PNG. With --close it then sends the
// window a close request, as a window manager would.
#include <QImage>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <thread>

#include "tools/xclient.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

int Usage() {
    std::fprintf(stderr,
                 "usage: tintwell-screenshot [--close] <window title> <out.png> [timeout-ms]\n");
    return 2;
}

// The first paint usually lands a little after the window is mapped: grab until three grabs in
// a row are identical, or until the deadline, and return the last one.
QImage settled_grab(xclient::Display* display, xclient::Window window, Clock::time_point deadline) {
    QImage last = xclient::GrabWindow(display, window);
    int identical = 0;
    while (identical < 2 && Clock::now() < deadline) {
        std::this_thread::sleep_for(milliseconds(100));
        QImage next = xclient::GrabWindow(display, window);
        identical = (!next.isNull() && next == last) ? identical + 1 : 0;
        last = std::move(next);
    }
    return last;
}

}  // namespace

int main(int argc, char** argv) {
    int first = 1;
    bool close = false;
    if (argc > 1 && std::string_view(argv[1]) == "--close") {
        close = true;
        ++first;
    }
    const int rest = argc - first;
    if (rest < 2 || rest > 3) return Usage();
    const std::string title = argv[first];
    const char* out_path = argv[first + 1];
    long timeout_ms = 10000;
    if (rest == 3) {
        char* end = nullptr;
        timeout_ms = std::strtol(argv[first + 2], &end, 10);
        if (*end != '\0' || timeout_ms < 0) return Usage();
    }

    auto display = xclient::OpenDisplay();
    if (!display) {
        const char* name = std::getenv("DISPLAY");
        std::fprintf(stderr, "tintwell-screenshot: cannot open display '%s'\n", name ? name : "");
        return 1;
    }
    auto window = xclient::FindWindow(display.get(), title, milliseconds(timeout_ms), 0, true);
    if (!window) {
        std::fprintf(stderr, "tintwell-screenshot: no viewable window titled '%s' within %ld ms\n",
                     title.c_str(), timeout_ms);
        return 1;
    }
    const QImage image = settled_grab(display.get(), *window, Clock::now() + milliseconds(3000));
    if (image.isNull()) {
        std::fprintf(stderr, "tintwell-screenshot: could not grab window '%s'\n", title.c_str());
        return 1;
    }
    if (!image.save(QString::fromLocal8Bit(out_path), "PNG")) {
        std::fprintf(stderr, "tintwell-screenshot: could not write '%s'\n", out_path);
        return 1;
    }
    if (close && !xclient::SendCloseRequest(display.get(), *window)) {
        std::fprintf(stderr, "tintwell-screenshot: window '%s' does not accept close requests\n",
                     title.c_str());
        return 1;
    }
    return 0;
}
