#include "toolkit/windows.h"

#include <map>
#include <vector>

#include "toolkit/backend.h"
#include "toolkit/events.h"
#include "toolkit/gadgets.h"
#include "toolkit/services.h"

namespace tk {

namespace {

struct Window {
    NativeHandle handle = 0;
    NativeHandle owner = 0;
    std::intptr_t data = 0;
};

constexpr int FirstFreeNumber = 0x10000;

std::map<int, Window>& Windows() {
    static std::map<int, Window> windows;
    return windows;
}

Window* Find(int number) {
    auto it = Windows().find(number);
    return it == Windows().end() ? nullptr : &it->second;
}

// The window's corner on the screen and its inner size.
Rect GeometryOf(int number) {
    const Window* w = Find(number);
    return w ? backend::WindowGeometry(w->handle) : Rect{};
}

}  // namespace

std::intptr_t NewWindow(int number, int x, int y, int w, int h, const std::u16string& title,
                        unsigned flags, NativeHandle owner) {
    if (number < 0 && number != AnyNumber) return 0;
    const bool any = number == AnyNumber;
    if (any) {
        number = FirstFreeNumber;
        while (Find(number))
            ++number;
    } else if (Find(number)) {
        CloseWindow(number);
    }
    if (flags & WindowCentered) {
        const Size screen = backend::PrimaryScreenSize();
        x = screen.width > w ? (screen.width - w) / 2 : 0;
        y = screen.height > h ? (screen.height - h) / 2 : 0;
    }
    const NativeHandle handle =
        backend::NewWindow({x, y, w, h}, title, owner, flags & WindowNoFocus);
    if (!handle) return 0;
    Windows()[number] = {handle, owner, 0};
    detail::SetCurrentGadgetList(number, handle);
    if (!(flags & WindowHidden)) backend::ShowWindow(handle, true);
    return any ? number : handle;
}

void CloseWindow(int number) {
    Window* w = Find(number);
    if (!w) return;
    const NativeHandle handle = w->handle;
    // Owned windows go first, as they would with their owner on every platform.
    std::vector<int> owned;
    for (auto& [n, other] : Windows())
        if (other.owner == handle) owned.push_back(n);
    for (int n : owned)
        CloseWindow(n);
    detail::FreeWindowGadgets(number);
    detail::ForgetWindowTimers(number);
    Windows().erase(number);
    backend::DestroyWindow(handle);
}

bool IsWindow(int number) {
    return Find(number) != nullptr;
}

std::vector<int> WindowNumbers() {
    std::vector<int> numbers;
    for (const auto& [number, w] : Windows()) numbers.push_back(number);
    return numbers;
}

NativeHandle WindowHandle(int number) {
    Window* w = Find(number);
    return w ? w->handle : 0;
}

void ShowWindow(int number, bool activate) {
    if (Window* w = Find(number)) backend::ShowWindow(w->handle, activate);
}

void HideWindow(int number) {
    if (Window* w = Find(number)) backend::HideWindow(w->handle);
}

bool IsWindowVisible(int number) {
    Window* w = Find(number);
    return w && backend::IsWindowVisible(w->handle);
}

int WindowX(int number) {
    return GeometryOf(number).x;
}
int WindowY(int number) {
    return GeometryOf(number).y;
}
int WindowWidth(int number) {
    return GeometryOf(number).width;
}
int WindowHeight(int number) {
    return GeometryOf(number).height;
}

void ResizeWindow(int number, int x, int y, int w, int h) {
    Window* win = Find(number);
    if (!win) return;
    Rect r = backend::WindowGeometry(win->handle);
    if (x != Keep) r.x = x;
    if (y != Keep) r.y = y;
    if (w != Keep) r.width = w;
    if (h != Keep) r.height = h;
    backend::SetWindowGeometry(win->handle, r);
}

void SetWindowColor(int number, Color color) {
    if (Window* w = Find(number)) backend::SetWindowBackground(w->handle, color);
}

void SetWindowTopmost(int number, bool topmost) {
    if (Window* w = Find(number)) backend::SetWindowTopmost(w->handle, topmost);
}

void SetWindowData(int number, std::intptr_t data) {
    if (Window* w = Find(number)) w->data = data;
}

std::intptr_t GetWindowData(int number) {
    Window* w = Find(number);
    return w ? w->data : 0;
}

Size PrimaryScreenSize() {
    return backend::PrimaryScreenSize();
}

Point PointerPosition() {
    return SystemServices().pointerPosition();
}

namespace detail {

int WindowNumberOf(NativeHandle handle) {
    for (auto& [number, w] : Windows())
        if (w.handle == handle) return number;
    return NoWindow;
}

void CloseAllWindows() {
    while (!Windows().empty())
        CloseWindow(Windows().begin()->first);
}

}  // namespace detail

}  // namespace tk
