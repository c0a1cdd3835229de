// A small Xlib client for driving and inspecting top-level windows from tools and end-to-end
// tests: find a window by title, read its geometry, ask it to close the way a window manager
// would, and grab what is on screen.
#pragma once

#include <sys/types.h>

#include <QImage>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// Xlib's display type, declared here so that users do not get Xlib's macros (None, Bool, ...).
struct _XDisplay;

namespace xclient {

using Display = ::_XDisplay;
using Window = unsigned long;  // an Xlib XID

struct DisplayCloser {
    void operator()(Display* display) const;
};
using DisplayPtr = std::unique_ptr<Display, DisplayCloser>;

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

// Connects to `name`, or to $DISPLAY when null. Returns null on failure. The first call installs
// an Xlib error handler that ignores protocol errors instead of exiting: windows may vanish while
// they are being inspected, and every function here reports that through its return value.
DisplayPtr OpenDisplay(const char* name = nullptr);

// The window's title as UTF-8: _NET_WM_NAME if set, else WM_NAME. Empty if it has neither.
std::string WindowTitle(Display* display, Window window);

// _NET_WM_PID of the window, if it has one.
std::optional<pid_t> WindowPid(Display* display, Window window);

// Searches the whole window tree under the root for a window whose _NET_WM_NAME or WM_NAME is
// exactly `title`. With a non-zero `pid`, windows that declare a different _NET_WM_PID are
// skipped. With `viewable_only`, only windows that are mapped and viewable count.
std::optional<Window> FindWindowNow(Display* display, std::string_view title, pid_t pid = 0,
                                    bool viewable_only = false);

// Polls FindWindowNow() every few milliseconds until it finds a window or `timeout` passes.
std::optional<Window> FindWindow(Display* display, std::string_view title,
                                 std::chrono::milliseconds timeout, pid_t pid = 0,
                                 bool viewable_only = false);

// Whether the window is mapped and all its ancestors are too.
bool WindowIsViewable(Display* display, Window window);

// Position of the window's inner area relative to the root window, and its inner size.
std::optional<Rect> WindowGeometry(Display* display, Window window);

// Size of the default screen.
Size ScreenSize(Display* display);

// Whether the window lists WM_DELETE_WINDOW in its WM_PROTOCOLS.
bool AcceptsCloseRequest(Display* display, Window window);

// Sends WM_PROTOCOLS/WM_DELETE_WINDOW as a window manager does when the user closes a window.
// Returns false, sending nothing, if the window does not take part in that protocol.
bool SendCloseRequest(Display* display, Window window);

// Copies a rectangle of the root window (clipped to the screen) into an RGB32 image. Returns a
// null image if nothing of it is on screen or the screen's visual is not TrueColor.
QImage Grab(Display* display, Rect area);

// What is on screen where the window is.
QImage GrabWindow(Display* display, Window window);

// The colour of one screen pixel.
std::optional<QRgb> PixelAt(Display* display, int x, int y);

}  // namespace xclient
