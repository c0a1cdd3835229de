#include "tools/xclient.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <bit>
#include <thread>
#include <vector>

namespace xclient {
namespace {

int ignore_error(::Display*, XErrorEvent*) {
    return 0;
}

// Frees Xlib allocations when leaving scope.
template <typename T>
struct XFreeGuard {
    T* ptr = nullptr;
    ~XFreeGuard() {
        if (ptr) XFree(ptr);
    }
};

// Reads a property as raw bytes (format 8) or longs (format 32); `type` AnyPropertyType accepts
// any. Returns nullopt if the window has no such property or is gone.
struct Property {
    Atom type = 0;
    int format = 0;
    std::vector<unsigned char> bytes;
    std::vector<long> longs;
};

std::optional<Property> read_property(::Display* d, ::Window w, Atom name, Atom type) {
    Atom actual_type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    XFreeGuard<unsigned char> data;
    if (XGetWindowProperty(d, w, name, 0, 1 << 16, False, type, &actual_type, &format, &count,
                           &remaining, &data.ptr) != Success ||
        actual_type == 0 || !data.ptr) {
        return std::nullopt;
    }
    Property p{actual_type, format, {}, {}};
    if (format == 8) {
        p.bytes.assign(data.ptr, data.ptr + count);
    } else if (format == 32) {
        // Xlib hands format-32 data back as an array of long.
        const long* values = reinterpret_cast<const long*>(data.ptr);
        p.longs.assign(values, values + count);
    }
    return p;
}

std::string latin1_to_utf8(const std::vector<unsigned char>& bytes) {
    std::string out;
    for (unsigned char c : bytes) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// Both names a window may carry, as UTF-8; a title search accepts either.
std::vector<std::string> names(::Display* d, ::Window w) {
    std::vector<std::string> out;
    const Atom net_wm_name = XInternAtom(d, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(d, "UTF8_STRING", False);
    if (auto name = read_property(d, w, net_wm_name, utf8); name && name->format == 8) {
        out.emplace_back(name->bytes.begin(), name->bytes.end());
    }
    if (auto name = read_property(d, w, XA_WM_NAME, AnyPropertyType); name && name->format == 8) {
        std::string raw(name->bytes.begin(), name->bytes.end());
        // STRING is Latin-1, but some programs store UTF-8 there; accept it as well.
        if (name->type == XA_STRING) out.push_back(latin1_to_utf8(name->bytes));
        if (out.empty() || out.back() != raw) out.push_back(std::move(raw));
    }
    return out;
}

bool matches(::Display* d, ::Window w, std::string_view title, pid_t pid, bool viewable_only) {
    const auto candidates = names(d, w);
    if (std::find(candidates.begin(), candidates.end(), title) == candidates.end()) return false;
    if (pid != 0) {
        auto owner = WindowPid(d, w);
        if (owner && *owner != pid) return false;
    }
    return !viewable_only || WindowIsViewable(d, w);
}

std::optional<::Window> search(::Display* d, ::Window w, std::string_view title, pid_t pid,
                               bool viewable_only) {
    if (matches(d, w, title, pid, viewable_only)) return w;
    ::Window root = 0;
    ::Window parent = 0;
    XFreeGuard<::Window> children;
    unsigned int count = 0;
    if (!XQueryTree(d, w, &root, &parent, &children.ptr, &count)) return std::nullopt;
    // Topmost first: of two windows with the same title, the visible one wins.
    for (unsigned int i = count; i-- > 0;) {
        if (auto found = search(d, children.ptr[i], title, pid, viewable_only)) return found;
    }
    return std::nullopt;
}

// Scales a channel given by a TrueColor mask to 0..255.
int channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0) return 0;
    const int shift = std::countr_zero(mask);
    const int bits = std::popcount(mask);
    const unsigned long value = (pixel & mask) >> shift;
    if (bits >= 8) return static_cast<int>(value >> (bits - 8));
    return static_cast<int>(value * 255 / ((1UL << bits) - 1));
}

}  // namespace

void DisplayCloser::operator()(Display* display) const {
    if (display) XCloseDisplay(display);
}

DisplayPtr OpenDisplay(const char* name) {
    static const bool handler_installed = [] {
        XSetErrorHandler(ignore_error);
        return true;
    }();
    (void)handler_installed;
    return DisplayPtr(XOpenDisplay(name));
}

std::string WindowTitle(Display* d, Window w) {
    auto candidates = names(d, w);
    return candidates.empty() ? std::string() : std::move(candidates.front());
}

std::optional<pid_t> WindowPid(Display* d, Window w) {
    const Atom net_wm_pid = XInternAtom(d, "_NET_WM_PID", False);
    auto prop = read_property(d, w, net_wm_pid, XA_CARDINAL);
    if (!prop || prop->format != 32 || prop->longs.empty()) return std::nullopt;
    return static_cast<pid_t>(prop->longs[0]);
}

std::optional<Window> FindWindowNow(Display* d, std::string_view title, pid_t pid,
                                    bool viewable_only) {
    return search(d, DefaultRootWindow(d), title, pid, viewable_only);
}

std::optional<Window> FindWindow(Display* d, std::string_view title,
                                 std::chrono::milliseconds timeout, pid_t pid, bool viewable_only) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (true) {
        if (auto found = FindWindowNow(d, title, pid, viewable_only)) return found;
        if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

bool WindowIsViewable(Display* d, Window w) {
    XWindowAttributes attrs;
    return XGetWindowAttributes(d, w, &attrs) && attrs.map_state == IsViewable;
}

std::optional<Rect> WindowGeometry(Display* d, Window w) {
    XWindowAttributes attrs;
    if (!XGetWindowAttributes(d, w, &attrs)) return std::nullopt;
    int x = 0;
    int y = 0;
    ::Window child = 0;
    if (!XTranslateCoordinates(d, w, DefaultRootWindow(d), 0, 0, &x, &y, &child)) {
        return std::nullopt;
    }
    return Rect{x, y, attrs.width, attrs.height};
}

Size ScreenSize(Display* d) {
    const int screen = DefaultScreen(d);
    return Size{DisplayWidth(d, screen), DisplayHeight(d, screen)};
}

bool AcceptsCloseRequest(Display* d, Window w) {
    const Atom wm_delete_window = XInternAtom(d, "WM_DELETE_WINDOW", False);
    XFreeGuard<Atom> protocols;
    int count = 0;
    if (!XGetWMProtocols(d, w, &protocols.ptr, &count)) return false;
    return std::find(protocols.ptr, protocols.ptr + count, wm_delete_window) !=
           protocols.ptr + count;
}

bool SendCloseRequest(Display* d, Window w) {
    if (!AcceptsCloseRequest(d, w)) return false;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = w;
    event.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const bool sent = XSendEvent(d, w, False, NoEventMask, &event) != 0;
    XFlush(d);
    return sent;
}

QImage Grab(Display* d, Rect area) {
    const Size screen = ScreenSize(d);
    const int left = std::max(area.x, 0);
    const int top = std::max(area.y, 0);
    const int right = std::min(area.x + area.width, screen.width);
    const int bottom = std::min(area.y + area.height, screen.height);
    if (right <= left || bottom <= top) return {};

    const Visual* visual = DefaultVisual(d, DefaultScreen(d));
    if (visual->c_class != TrueColor) return {};
    XImage* image =
        XGetImage(d, DefaultRootWindow(d), left, top, static_cast<unsigned>(right - left),
                  static_cast<unsigned>(bottom - top), AllPlanes, ZPixmap);
    if (!image) return {};

    QImage out(image->width, image->height, QImage::Format_RGB32);
    const bool packed =
        image->bits_per_pixel == 32 && image->red_mask == 0xFF0000 && image->green_mask == 0xFF00 &&
        image->blue_mask == 0xFF &&
        image->byte_order == (std::endian::native == std::endian::little ? LSBFirst : MSBFirst);
    for (int y = 0; y < image->height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        if (packed) {
            // The usual 24-bit-depth layout is already 0xffRRGGBB apart from the padding byte.
            const auto* src =
                reinterpret_cast<const uint32_t*>(image->data + y * image->bytes_per_line);
            for (int x = 0; x < image->width; ++x)
                row[x] = 0xFF000000u | src[x];
            continue;
        }
        for (int x = 0; x < image->width; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            row[x] = qRgb(channel(pixel, image->red_mask), channel(pixel, image->green_mask),
                          channel(pixel, image->blue_mask));
        }
    }
    XDestroyImage(image);
    return out;
}

QImage GrabWindow(Display* d, Window w) {
    auto rect = WindowGeometry(d, w);
    if (!rect) return {};
    return Grab(d, *rect);
}

std::optional<QRgb> PixelAt(Display* d, int x, int y) {
    QImage image = Grab(d, Rect{x, y, 1, 1});
    if (image.isNull()) return std::nullopt;
    return image.pixel(0, 0);
}

}  // namespace xclient
