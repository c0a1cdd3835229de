// Top-level windows: borderless popups. A close request becomes the toolkit's
// close event; the window itself stays until the core destroys it.
#include "toolkit/backend.h"
#include "toolkit/win32/win32_backend.h"

namespace tk::win32 {
namespace {

bool OnEraseBackground(HWND window, HDC dc) {
    auto& windows = Win32Backend().windows;
    const auto it = windows.find(window);
    if (it == windows.end() || !it->second.background) return false;
    RECT r;
    GetClientRect(window, &r);
    FillRect(dc, &r, it->second.background);
    return true;
}

bool IsWithoutFocus(HWND window) {
    const auto& windows = Win32Backend().windows;
    const auto it = windows.find(window);
    return it != windows.end() && it->second.withoutFocus;
}

// The wheel goes to the focused window; hand it to the canvas under the pointer.
void OnWheel(WPARAM wParam, LPARAM lParam) {
    const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    HWND under = WindowFromPoint(p);
    if (under && Win32Backend().gadgets.count(under) &&
        Win32Backend().gadgets[under].kind == GadgetKind::Canvas)
        SendMessageW(under, WM_MOUSEWHEEL, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK Win32WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (Win32ParentMessage(window, message, wParam, lParam, result)) return result;
    switch (message) {
        case WM_CLOSE:
            core::CloseRequest(Win32Handle(window));
            return 0;
        case WM_TIMER:
            core::TimerEvent(Win32Handle(window), static_cast<int>(wParam - 1));
            return 0;
        case WM_ERASEBKGND:
            if (OnEraseBackground(window, reinterpret_cast<HDC>(wParam))) return 1;
            break;
        case WM_MOUSEACTIVATE:
            if (IsWithoutFocus(window)) return MA_NOACTIVATE;
            break;
        case WM_MOUSEWHEEL:
            OnWheel(wParam, lParam);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace tk::win32

namespace tk::backend {

using namespace tk::win32;

NativeHandle NewWindow(const Rect& rect, const std::u16string& title, NativeHandle owner,
                       bool withoutFocus) {
    Win32State& st = Win32Backend();
    DWORD exStyle = 0;
    if (withoutFocus) exStyle |= WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW;
    HWND window = CreateWindowExW(exStyle, WindowClassName, Win32Text(title),
                                  WS_POPUP | WS_CLIPCHILDREN, rect.x, rect.y, rect.width,
                                  rect.height, Win32Hwnd(owner), nullptr, st.instance, nullptr);
    if (!window) return 0;
    st.windows[window].withoutFocus = withoutFocus;
    return Win32Handle(window);
}

void DestroyWindow(NativeHandle window) {
    Win32State& st = Win32Backend();
    HWND w = Win32Hwnd(window);
    ::DestroyWindow(w);
    const auto it = st.windows.find(w);
    if (it == st.windows.end()) return;
    if (it->second.background) DeleteObject(it->second.background);
    st.windows.erase(it);
}

void ShowWindow(NativeHandle window, bool activate) {
    HWND w = Win32Hwnd(window);
    if (activate && !IsWithoutFocus(w)) {
        ::ShowWindow(w, SW_SHOW);
        SetForegroundWindow(w);
    } else {
        ::ShowWindow(w, SW_SHOWNOACTIVATE);
    }
}

void HideWindow(NativeHandle window) {
    ::ShowWindow(Win32Hwnd(window), SW_HIDE);
}

bool IsWindowVisible(NativeHandle window) {
    return ::IsWindowVisible(Win32Hwnd(window));
}

void SetWindowGeometry(NativeHandle window, const Rect& rect) {
    SetWindowPos(Win32Hwnd(window), nullptr, rect.x, rect.y, rect.width, rect.height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

Rect WindowGeometry(NativeHandle window) {
    HWND w = Win32Hwnd(window);
    RECT outer{}, inner{};
    GetWindowRect(w, &outer);
    GetClientRect(w, &inner);
    return {outer.left, outer.top, inner.right, inner.bottom};
}

void SetWindowBackground(NativeHandle window, Color color) {
    HWND w = Win32Hwnd(window);
    Win32TopLevel& top = Win32Backend().windows[w];
    if (top.background) DeleteObject(top.background);
    top.background = CreateSolidBrush(Win32Color(color));
    InvalidateRect(w, nullptr, TRUE);
}

void SetWindowTopmost(NativeHandle window, bool topmost) {
    SetWindowPos(Win32Hwnd(window), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace tk::backend
