// The screen as GDI has it, and presses anywhere seen by a low-level mouse
// hook. The hook only notes the press and passes it on at once; the observer
// runs when the loop takes the note from the queue.
#include <algorithm>

#include "toolkit/backend.h"
#include "toolkit/win32/win32_backend.h"

namespace tk::win32 {
namespace {

LRESULT CALLBACK MouseHookProc(int code, WPARAM wParam, LPARAM lParam) {
    const Win32State& st = Win32Backend();
    if (code == HC_ACTION && (wParam == WM_LBUTTONDOWN || wParam == WM_MBUTTONDOWN) &&
        st.messageWindow) {
        const auto* info = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        const auto button = static_cast<WPARAM>(wParam == WM_LBUTTONDOWN ? ObservedButton::Left
                                                                         : ObservedButton::Middle);
        PostMessageW(st.messageWindow, PressMessage, button,
                     MAKELPARAM(static_cast<SHORT>(info->pt.x), static_cast<SHORT>(info->pt.y)));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

RECT VirtualScreen() {
    const int x = GetSystemMetrics(SM_XVIRTUALSCREEN), y = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {x, y, x + GetSystemMetrics(SM_CXVIRTUALSCREEN),
            y + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

}  // namespace

void Win32ReportPress(WPARAM button, LPARAM point) {
    const MouseObserver observer = Win32Backend().observer;
    if (!observer) return;
    MousePress press;
    press.button = static_cast<ObservedButton>(button);
    press.hasPosition = true;
    press.position = {GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    observer(press);
}

}  // namespace tk::win32

namespace tk::backend {

using namespace tk::win32;

Color ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    if (!screen) return -1;
    const COLORREF c = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return c == CLR_INVALID ? -1 : static_cast<Color>(c & 0xFFFFFF);
}

Surface GrabScreen(const Rect& area) {
    Surface picture(area.width, area.height, 0);
    if (area.width <= 0 || area.height <= 0) return picture;
    // Only what lies on the screen is copied; the rest stays black.
    const RECT all = VirtualScreen();
    const RECT want{area.x, area.y, area.x + area.width, area.y + area.height};
    RECT on{};
    if (!IntersectRect(&on, &all, &want)) return picture;
    const int w = on.right - on.left, h = on.bottom - on.top;

    HDC screen = GetDC(nullptr);
    if (!screen) return picture;
    HDC memory = CreateCompatibleDC(screen);
    const BITMAPINFO info = Win32DibInfo(w, h);
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (memory && dib && bits) {
        HGDIOBJ old = SelectObject(memory, dib);
        StretchBlt(memory, 0, 0, w, h, screen, on.left, on.top, w, h, SRCCOPY);
        GdiFlush();
        const auto* in = static_cast<const std::uint32_t*>(bits);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                picture.pixels[std::size_t(on.top - area.y + y) * picture.width +
                               (on.left - area.x + x)] = in[std::size_t(y) * w + x] | 0xFF000000u;
        SelectObject(memory, old);
    }
    if (dib) DeleteObject(dib);
    if (memory) DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return picture;
}

bool InstallMouseObserver(MouseObserver observer) {
    Win32State& st = Win32Backend();
    if (!observer || !st.messageWindow) return false;
    if (!st.hook)
        st.hook = SetWindowsHookExW(WH_MOUSE_LL, MouseHookProc, GetModuleHandleW(nullptr), 0);
    if (!st.hook) return false;
    st.observer = observer;
    return true;
}

void RemoveMouseObserver() {
    Win32State& st = Win32Backend();
    st.observer = nullptr;
    if (st.hook) UnhookWindowsHookEx(st.hook);
    st.hook = nullptr;
}

}  // namespace tk::backend
