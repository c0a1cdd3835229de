// Private to the Win32 backend: its one state struct and small conversions.
//
// The backend implements toolkit/backend.h with the Win32 API directly:
//   [x] loop: GetMessageW/PeekMessageW; a message-only window to wake it
//   [x] windows: borderless WS_POPUP windows; ownership as the Win32 owner
//   [x] gadgets: a canvas window class over a DIB, EDIT, BUTTON (check box),
//       STATIC texts and images
//   [x] fonts: GDI fonts; text drawn through a DIB section into the buffer
//   [x] timers: SetTimer on the window
//   [x] pointer: GetCursorPos
//   [x] screen: GetPixel and StretchBlt from the screen DC; WH_MOUSE_LL hook
//   [x] dialogs: ChooseColorW, ChooseFontW
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef UNICODE
#define UNICODE
#endif
#include <windows.h>
// After windows.h, which they need.
#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>
#include <uxtheme.h>
#include <windowsx.h>
// The toolkit's own names, not the ANSI/Unicode switches of the system headers.
#undef ChooseColor
#undef ChooseFont
#undef DrawText

#include <map>
#include <string>

#include "toolkit/mouse_observer.h"
#include "toolkit/surface.h"
#include "toolkit/types.h"

namespace tk::win32 {

// The private messages of our windows.
inline constexpr UINT WakeMessage = WM_APP + 1;
inline constexpr UINT PressMessage = WM_APP + 2;  // wParam: ObservedButton; lParam: the point

// What the backend keeps for one child gadget.
struct Win32Gadget {
    GadgetKind kind = GadgetKind::None;
    const Surface* surface = nullptr;  // canvases and images: what they show
    HBITMAP bitmap = nullptr;          // images: our copy of the surface, shown by the STATIC
    HCURSOR cursor = nullptr;          // canvases
    bool trackingLeave = false;        // canvases: TrackMouseEvent is armed
    Color text = -1;                   // -1: the system's colour
    Color back = -1;
    HBRUSH backBrush = nullptr;
};

struct Win32TopLevel {
    HBRUSH background = nullptr;
    bool withoutFocus = false;
};

struct Win32State {
    HINSTANCE instance = nullptr;
    HWND messageWindow = nullptr;  // wakes the loop, carries observed presses
    LONG wakePending = 0;
    HFONT defaultFont = nullptr;
    HDC measureDc = nullptr;  // a memory DC for measuring text
    std::map<HWND, Win32TopLevel> windows;
    std::map<HWND, Win32Gadget> gadgets;
    HWND settingText = nullptr;  // the field whose text the backend is setting
    HHOOK hook = nullptr;
    MouseObserver observer = nullptr;
};

Win32State& Win32Backend();

// Registers the window classes (once) and the message-only window.
void Win32RegisterClasses();
// Messages every parent of child gadgets handles: notifications and colours.
bool Win32ParentMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
void Win32ForgetGadget(HWND gadget);
// Window procedures of our classes.
LRESULT CALLBACK Win32WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK Win32CanvasProc(HWND canvas, UINT message, WPARAM wParam, LPARAM lParam);
// Hands a press the hook saw to the observer, on the loop's own turn.
void Win32ReportPress(WPARAM button, LPARAM point);

inline constexpr const wchar_t* WindowClassName = L"TintwellWindow";
inline constexpr const wchar_t* CanvasClassName = L"TintwellCanvas";
inline constexpr const wchar_t* MessageClassName = L"TintwellMessages";

// std::u16string and wchar_t text are the same UTF-16 units on Windows.
inline const wchar_t* Win32Text(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

inline std::u16string Win32String(const wchar_t* text, std::size_t length) {
    return std::u16string(reinterpret_cast<const char16_t*>(text), length);
}

inline std::u16string Win32String(const wchar_t* text) {
    return Win32String(text, wcslen(text));
}

inline HWND Win32Hwnd(NativeHandle handle) {
    return reinterpret_cast<HWND>(handle);
}

inline NativeHandle Win32Handle(HWND window) {
    return reinterpret_cast<NativeHandle>(window);
}

inline COLORREF Win32Color(Color c) {
    return static_cast<COLORREF>(c) & 0xFFFFFF;
}

// A top-down 32-bit DIB header: rows of 0x00RRGGBB words, which the toolkit's
// 0xFFRRGGBB buffer words are.
inline BITMAPINFO Win32DibInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

}  // namespace tk::win32
