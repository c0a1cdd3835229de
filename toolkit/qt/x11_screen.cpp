// The screen as X11 has it: pixels read with XGetImage and presses anywhere
// seen as XInput 2 raw events, both on a connection of our own whose socket
// the Qt loop watches, so the observer runs on the GUI thread.
#include <QGuiApplication>
#include <QMetaObject>
#include <QSocketNotifier>

#include <algorithm>

#include "toolkit/backend.h"
#include "toolkit/qt/qt_backend.h"

// X11 last: its macros would spoil the Qt headers.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XInput2.h>

namespace tk::qt {
namespace {

constexpr int LeftButtonNumber = 1;
constexpr int MiddleButtonNumber = 2;

Display* X11Display() {
    QtState& st = QtBackend();
    if (!st.x11Tried) {
        st.x11Tried = true;
        if (QGuiApplication::platformName() == QStringLiteral("xcb"))
            st.x11 = XOpenDisplay(nullptr);
    }
    return st.x11;
}

Rect ScreenRect(Display* d) {
    const int screen = DefaultScreen(d);
    return {0, 0, DisplayWidth(d, screen), DisplayHeight(d, screen)};
}

Rect Intersect(const Rect& a, const Rect& b) {
    const int x0 = std::max(a.x, b.x), y0 = std::max(a.y, b.y);
    const int x1 = std::min<std::int64_t>(std::int64_t{a.x} + a.width, std::int64_t{b.x} + b.width);
    const int y1 =
        std::min<std::int64_t>(std::int64_t{a.y} + a.height, std::int64_t{b.y} + b.height);
    return {x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
}

// One channel of a pixel, by its mask, scaled to 0-255.
unsigned long Channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0) return 0;
    int shift = 0;
    while (!((mask >> shift) & 1))
        ++shift;
    const unsigned long max = mask >> shift;
    return ((pixel & mask) >> shift) * 255 / max;
}

Color ColorOf(const XImage* image, unsigned long pixel) {
    return static_cast<Color>(Channel(pixel, image->red_mask) |
                              Channel(pixel, image->green_mask) << 8 |
                              Channel(pixel, image->blue_mask) << 16);
}

void ReportPresses();

// Sync requests can leave events in Xlib's queue without the socket
// turning readable; look at them once the loop runs again.
void HandleQueuedEventsLater(Display* d) {
    if (QtBackend().observer && XEventsQueued(d, QueuedAlready) > 0)
        QMetaObject::invokeMethod(qApp, ReportPresses, Qt::QueuedConnection);
}

void ReportPresses() {
    QtState& st = QtBackend();
    Display* d = st.x11;
    if (!d) return;
    while (XPending(d) > 0) {
        XEvent event;
        XNextEvent(d, &event);
        XGenericEventCookie* cookie = &event.xcookie;
        if (cookie->type != GenericEvent || cookie->extension != st.xinputOpcode ||
            !XGetEventData(d, cookie))
            continue;
        int button = 0;
        if (cookie->evtype == XI_RawButtonPress)
            button = static_cast<XIRawEvent*>(cookie->data)->detail;
        XFreeEventData(d, cookie);
        if ((button != LeftButtonNumber && button != MiddleButtonNumber) || !st.observer) continue;

        // Raw events carry no position: ask where the pointer is now.
        MousePress press;
        press.button = button == LeftButtonNumber ? ObservedButton::Left : ObservedButton::Middle;
        Window root, child;
        int rootX = 0, rootY = 0, x = 0, y = 0;
        unsigned int mask = 0;
        press.hasPosition =
            XQueryPointer(d, DefaultRootWindow(d), &root, &child, &rootX, &rootY, &x, &y, &mask);
        press.position = {rootX, rootY};
        st.observer(press);
    }
}

bool SelectRawPresses(Display* d, bool on) {
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    if (on) XISetMask(bits, XI_RawButtonPress);
    XIEventMask mask{XIAllMasterDevices, static_cast<int>(sizeof bits), bits};
    const bool ok = XISelectEvents(d, DefaultRootWindow(d), &mask, 1) == Success;
    XFlush(d);
    return ok;
}

}  // namespace

bool X11PointerPosition(Point& position) {
    Display* d = X11Display();
    if (!d) return false;
    Window root, child;
    int x = 0, y = 0, rootX = 0, rootY = 0;
    unsigned int mask = 0;
    if (!XQueryPointer(d, DefaultRootWindow(d), &root, &child, &rootX, &rootY, &x, &y, &mask))
        return false;
    HandleQueuedEventsLater(d);
    position = {rootX, rootY};
    return true;
}

void X11Close() {
    QtState& st = QtBackend();
    backend::RemoveMouseObserver();
    if (st.x11) XCloseDisplay(st.x11);
    st.x11 = nullptr;
    st.x11Tried = false;
}

}  // namespace tk::qt

namespace tk::backend {

using namespace tk::qt;

Color ScreenPixel(int x, int y) {
    Display* d = X11Display();
    if (!d || !Intersect({x, y, 1, 1}, ScreenRect(d)).width) return -1;
    XImage* image = XGetImage(d, DefaultRootWindow(d), x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) return -1;
    const Color c = ColorOf(image, XGetPixel(image, 0, 0));
    XDestroyImage(image);
    HandleQueuedEventsLater(d);
    return c;
}

Surface GrabScreen(const Rect& area) {
    Surface picture(area.width, area.height, 0);
    Display* d = X11Display();
    if (!d) return picture;
    // Only what lies on the screen: a rectangle reaching beyond it fails.
    const Rect on = Intersect(area, ScreenRect(d));
    if (on.width == 0 || on.height == 0) return picture;
    XImage* image = XGetImage(d, DefaultRootWindow(d), on.x, on.y, static_cast<unsigned>(on.width),
                              static_cast<unsigned>(on.height), AllPlanes, ZPixmap);
    if (!image) return picture;
    for (int y = 0; y < on.height; ++y)
        for (int x = 0; x < on.width; ++x)
            picture.pixels[std::size_t(on.y - area.y + y) * picture.width + (on.x - area.x + x)] =
                PixelFromColor(ColorOf(image, XGetPixel(image, x, y)));
    XDestroyImage(image);
    HandleQueuedEventsLater(d);
    return picture;
}

bool InstallMouseObserver(MouseObserver observer) {
    QtState& st = QtBackend();
    Display* d = X11Display();
    if (!d || !observer) return false;
    int event = 0, error = 0;
    int major = 2, minor = 0;
    if (!XQueryExtension(d, "XInputExtension", &st.xinputOpcode, &event, &error) ||
        XIQueryVersion(d, &major, &minor) != Success || !SelectRawPresses(d, true))
        return false;
    st.observer = observer;
    st.observerNotifier =
        std::make_unique<QSocketNotifier>(ConnectionNumber(d), QSocketNotifier::Read);
    QObject::connect(st.observerNotifier.get(), &QSocketNotifier::activated,
                     [] { ReportPresses(); });
    return true;
}

void RemoveMouseObserver() {
    QtState& st = QtBackend();
    if (!st.observer) return;
    st.observer = nullptr;
    st.observerNotifier.reset();
    if (st.x11) SelectRawPresses(st.x11, false);
}

}  // namespace tk::backend
