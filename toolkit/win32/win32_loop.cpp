// The message loop, its wake-up, timers, the screen's size and the pointer.
#include "toolkit/backend.h"
#include "toolkit/win32/win32_backend.h"

namespace tk::win32 {

Win32State& Win32Backend() {
    static Win32State state;
    return state;
}

namespace {

LRESULT CALLBACK MessageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WakeMessage) {
        InterlockedExchange(&Win32Backend().wakePending, 0);
        return 0;
    }
    if (message == PressMessage) {
        Win32ReportPress(wParam, lParam);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterOne(const wchar_t* name, WNDPROC proc, UINT style) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.hInstance = Win32Backend().instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = name;
    wc.hIcon = LoadIconW(Win32Backend().instance, MAKEINTRESOURCEW(1));
    RegisterClassExW(&wc);
}

}  // namespace

void Win32RegisterClasses() {
    Win32State& st = Win32Backend();
    RegisterOne(WindowClassName, Win32WindowProc, 0);
    RegisterOne(CanvasClassName, Win32CanvasProc, CS_DBLCLKS);
    RegisterOne(MessageClassName, MessageProc, 0);
    st.messageWindow = CreateWindowExW(0, MessageClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                       nullptr, st.instance, nullptr);
}

}  // namespace tk::win32

namespace tk::backend {

using namespace tk::win32;

void Init() {
    Win32State& st = Win32Backend();
    if (st.instance) return;
    st.instance = GetModuleHandleW(nullptr);
    Win32RegisterClasses();
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        st.defaultFont = CreateFontIndirectW(&metrics.lfMessageFont);
    if (!st.defaultFont) st.defaultFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    st.measureDc = CreateCompatibleDC(nullptr);
}

void Shutdown() {
    Win32State& st = Win32Backend();
    if (!st.instance) return;
    RemoveMouseObserver();
    if (st.messageWindow) ::DestroyWindow(st.messageWindow);
    if (st.measureDc) DeleteDC(st.measureDc);
    if (st.defaultFont) DeleteObject(st.defaultFont);
    st = Win32State{};
}

void ProcessEvents(bool wait) {
    MSG msg;
    if (wait) {
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0) return;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void WakeUp() {
    Win32State& st = Win32Backend();
    // One wake-up message in the queue is enough.
    if (st.messageWindow && InterlockedExchange(&st.wakePending, 1) == 0)
        PostMessageW(st.messageWindow, WakeMessage, 0, 0);
}

// Timer ids are the numbers plus one: a timer id of 0 reads as a failure.
void StartTimer(NativeHandle window, int timer, int milliseconds) {
    SetTimer(Win32Hwnd(window), static_cast<UINT_PTR>(static_cast<unsigned>(timer)) + 1,
             static_cast<UINT>(milliseconds > 0 ? milliseconds : USER_TIMER_MINIMUM), nullptr);
}

void StopTimer(NativeHandle window, int timer) {
    KillTimer(Win32Hwnd(window), static_cast<UINT_PTR>(static_cast<unsigned>(timer)) + 1);
}

Size PrimaryScreenSize() {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

int VerticalDpi() {
    HDC screen = GetDC(nullptr);
    if (!screen) return 0;
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

Point PointerPosition() {
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

}  // namespace tk::backend
