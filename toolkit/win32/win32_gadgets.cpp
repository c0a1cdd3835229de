// Child gadgets: the canvas window class over a pixel buffer, borderless EDIT
// fields, BUTTON check boxes and STATIC texts and images. Each reports to the
// core only what the toolkit turns into events; enter, leave and capture are
// decided there.
#include <vector>

#include "toolkit/backend.h"
#include "toolkit/win32/win32_backend.h"

namespace tk::win32 {
namespace {

using core::PointerAction;

Win32Gadget* Find(HWND gadget) {
    auto& gadgets = Win32Backend().gadgets;
    const auto it = gadgets.find(gadget);
    return it == gadgets.end() ? nullptr : &it->second;
}

int ButtonsOf(WPARAM keys) {
    return (keys & MK_LBUTTON ? LeftButtonBit : 0) | (keys & MK_RBUTTON ? RightButtonBit : 0) |
           (keys & MK_MBUTTON ? MiddleButtonBit : 0);
}

int ButtonsNow() {
    return (GetKeyState(VK_LBUTTON) < 0 ? LeftButtonBit : 0) |
           (GetKeyState(VK_RBUTTON) < 0 ? RightButtonBit : 0) |
           (GetKeyState(VK_MBUTTON) < 0 ? MiddleButtonBit : 0);
}

void Report(HWND canvas, PointerAction action, WPARAM wParam, LPARAM lParam) {
    core::CanvasPointerEvent(Win32Handle(canvas), action, GET_X_LPARAM(lParam),
                             GET_Y_LPARAM(lParam), ButtonsOf(wParam));
}

void OnMove(HWND canvas, WPARAM wParam, LPARAM lParam) {
    if (Win32Gadget* g = Find(canvas); g && !g->trackingLeave) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, canvas, 0};
        g->trackingLeave = TrackMouseEvent(&track);
    }
    Report(canvas, PointerAction::Move, wParam, lParam);
}

void OnLeave(HWND canvas) {
    if (Win32Gadget* g = Find(canvas)) g->trackingLeave = false;
    POINT p{};
    GetCursorPos(&p);
    ScreenToClient(canvas, &p);
    core::CanvasPointerEvent(Win32Handle(canvas), PointerAction::Leave, p.x, p.y, ButtonsNow());
}

void OnPress(HWND canvas, PointerAction action, WPARAM wParam, LPARAM lParam) {
    if (action == PointerAction::LeftDown || action == PointerAction::LeftDouble)
        SetCapture(canvas);
    Report(canvas, action, wParam, lParam);
}

void OnRelease(HWND canvas, PointerAction action, WPARAM wParam, LPARAM lParam) {
    if (ButtonsOf(wParam) == 0 && GetCapture() == canvas) ReleaseCapture();
    Report(canvas, action, wParam, lParam);
}

void OnWheel(HWND canvas, WPARAM wParam, LPARAM lParam) {
    POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    // The wheel goes to the focused window and up its parents; it belongs to
    // the canvas under the pointer.
    HWND under = WindowFromPoint(p);
    if (under != canvas && Find(under) && Find(under)->kind == GadgetKind::Canvas) {
        SendMessageW(under, WM_MOUSEWHEEL, wParam, lParam);
        return;
    }
    ScreenToClient(canvas, &p);
    core::CanvasPointerEvent(Win32Handle(canvas), PointerAction::Wheel, p.x, p.y,
                             ButtonsOf(GET_KEYSTATE_WPARAM(wParam)),
                             GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA);
}

void OnPaint(HWND canvas) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(canvas, &ps);
    const Win32Gadget* g = Find(canvas);
    if (g && g->surface && g->surface->width > 0 && g->surface->height > 0) {
        const Surface& s = *g->surface;
        const BITMAPINFO info = Win32DibInfo(s.width, s.height);
        SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(s.width), static_cast<DWORD>(s.height), 0, 0,
                          0, static_cast<UINT>(s.height), s.pixels.data(), &info, DIB_RGB_COLORS);
    }
    EndPaint(canvas, &ps);
}

bool OnSetCursor(HWND canvas, LPARAM lParam) {
    const Win32Gadget* g = Find(canvas);
    if (LOWORD(lParam) != HTCLIENT || !g || !g->cursor) return false;
    SetCursor(g->cursor);
    return true;
}

// WM_COMMAND from a child control: the user's check-box clicks and the
// fields' focus and edits.
bool OnCommand(WPARAM wParam, LPARAM lParam) {
    HWND control = reinterpret_cast<HWND>(lParam);
    const Win32Gadget* g = control ? Find(control) : nullptr;
    if (!g) return false;
    const NativeHandle handle = Win32Handle(control);
    const WORD code = HIWORD(wParam);
    if (g->kind == GadgetKind::CheckBox && code == BN_CLICKED) {
        core::GadgetEvent(handle, CheckChange);
    } else if (g->kind == GadgetKind::StringField) {
        if (code == EN_SETFOCUS) core::GadgetEvent(handle, FocusIn);
        if (code == EN_KILLFOCUS) core::GadgetEvent(handle, FocusOut);
        if (code == EN_CHANGE && Win32Backend().settingText != control)
            core::GadgetEvent(handle, TextChange);
    } else {
        return false;
    }
    return true;
}

bool OnControlColor(HDC dc, HWND control, LRESULT& result) {
    const Win32Gadget* g = Find(control);
    if (!g || (g->text < 0 && g->back < 0)) return false;
    if (g->text >= 0) SetTextColor(dc, Win32Color(g->text));
    if (g->back >= 0) {
        SetBkColor(dc, Win32Color(g->back));
        result = reinterpret_cast<LRESULT>(g->backBrush);
    } else {
        SetBkMode(dc, TRANSPARENT);
        result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    return true;
}

void SetBitmap(HWND image, Win32Gadget& g, HBITMAP bitmap) {
    // A 32-bit bitmap may be copied by the control: delete what comes back
    // when it is not ours, and ours in any case.
    RECT r;
    GetWindowRect(image, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(image), reinterpret_cast<POINT*>(&r), 2);
    const auto old = reinterpret_cast<HBITMAP>(
        SendMessageW(image, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
    if (old && old != g.bitmap) DeleteObject(old);
    if (g.bitmap) DeleteObject(g.bitmap);
    g.bitmap = bitmap;
    // The control sizes itself to the bitmap; the gadget keeps its own size.
    MoveWindow(image, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

HBITMAP BitmapOf(const Surface& s) {
    const BITMAPINFO info = Win32DibInfo(s.width, s.height);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap && bits) {
        // Opaque words with the alpha byte cleared: the control must not blend.
        auto* out = static_cast<std::uint32_t*>(bits);
        for (std::size_t i = 0; i < s.pixels.size(); ++i)
            out[i] = s.pixels[i] & 0xFFFFFF;
    }
    return bitmap;
}

struct ControlKind {
    const wchar_t* className;
    DWORD style;
};

ControlKind ControlOf(GadgetKind kind) {
    constexpr DWORD child = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    switch (kind) {
        case GadgetKind::Canvas:
            return {CanvasClassName, child | WS_CLIPCHILDREN};
        case GadgetKind::StringField:
            return {L"EDIT", child | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL};
        case GadgetKind::CheckBox:
            return {L"BUTTON", child | WS_TABSTOP | BS_AUTOCHECKBOX};
        case GadgetKind::Text:
            return {L"STATIC", child | SS_LEFTNOWORDWRAP | SS_NOPREFIX};
        case GadgetKind::Image:
            return {L"STATIC", child | SS_BITMAP};
        case GadgetKind::None:
            break;
    }
    return {nullptr, 0};
}

}  // namespace

void Win32ForgetGadget(HWND gadget) {
    auto& gadgets = Win32Backend().gadgets;
    const auto it = gadgets.find(gadget);
    if (it == gadgets.end()) return;
    if (it->second.backBrush) DeleteObject(it->second.backBrush);
    if (it->second.bitmap) DeleteObject(it->second.bitmap);
    gadgets.erase(it);
}

bool Win32ParentMessage(HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_COMMAND:
            result = 0;
            return OnCommand(wParam, lParam);
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return OnControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam),
                                  result);
        default:
            return false;
    }
}

// The mouse buttons' messages and what each reports; a middle double-click
// is one more middle press.
struct ButtonMessage {
    UINT message;
    PointerAction action;
    bool press;
};

constexpr ButtonMessage ButtonMessages[] = {
    {WM_LBUTTONDOWN, PointerAction::LeftDown, true},
    {WM_LBUTTONDBLCLK, PointerAction::LeftDouble, true},
    {WM_RBUTTONDOWN, PointerAction::RightDown, true},
    {WM_RBUTTONDBLCLK, PointerAction::RightDouble, true},
    {WM_MBUTTONDOWN, PointerAction::MiddleDown, true},
    {WM_MBUTTONDBLCLK, PointerAction::MiddleDown, true},
    {WM_LBUTTONUP, PointerAction::LeftUp, false},
    {WM_RBUTTONUP, PointerAction::RightUp, false},
    {WM_MBUTTONUP, PointerAction::MiddleUp, false},
};

LRESULT CALLBACK Win32CanvasProc(HWND canvas, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (Win32ParentMessage(canvas, message, wParam, lParam, result)) return result;
    for (const ButtonMessage& b : ButtonMessages)
        if (b.message == message) {
            (b.press ? OnPress : OnRelease)(canvas, b.action, wParam, lParam);
            return 0;
        }
    switch (message) {
        case WM_MOUSEMOVE:
            OnMove(canvas, wParam, lParam);
            return 0;
        case WM_MOUSELEAVE:
            OnLeave(canvas);
            return 0;
        case WM_MOUSEWHEEL:
            OnWheel(canvas, wParam, lParam);
            return 0;
        case WM_PAINT:
            OnPaint(canvas);
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the buffer covers it all
        case WM_SETCURSOR:
            if (OnSetCursor(canvas, lParam)) return TRUE;
            break;
        case WM_NCDESTROY:
            Win32ForgetGadget(canvas);
            break;
        default:
            break;
    }
    return DefWindowProcW(canvas, message, wParam, lParam);
}

}  // namespace tk::win32

namespace tk::backend {

using namespace tk::win32;

NativeHandle NewGadget(GadgetKind kind, NativeHandle parent, const Rect& rect,
                       const std::u16string& text) {
    Win32State& st = Win32Backend();
    const ControlKind control = ControlOf(kind);
    if (!control.className) return 0;
    HWND gadget = CreateWindowExW(
        0, control.className, kind == GadgetKind::Image ? L"" : Win32Text(text), control.style,
        rect.x, rect.y, rect.width, rect.height, Win32Hwnd(parent), nullptr, st.instance, nullptr);
    if (!gadget) return 0;
    Win32Gadget& g = st.gadgets[gadget];
    g.kind = kind;
    if (kind == GadgetKind::Canvas) g.cursor = LoadCursorW(nullptr, IDC_ARROW);
    if (kind != GadgetKind::Canvas && kind != GadgetKind::Image)
        SendMessageW(gadget, WM_SETFONT, reinterpret_cast<WPARAM>(st.defaultFont), FALSE);
    return Win32Handle(gadget);
}

void DestroyGadget(NativeHandle gadget) {
    HWND g = Win32Hwnd(gadget);
    if (Win32Gadget* image = Find(g); image && image->kind == GadgetKind::Image)
        SetBitmap(g, *image, nullptr);
    Win32ForgetGadget(g);
    ::DestroyWindow(g);
}

void SetGadgetGeometry(NativeHandle gadget, const Rect& rect) {
    MoveWindow(Win32Hwnd(gadget), rect.x, rect.y, rect.width, rect.height, TRUE);
}

void SetGadgetVisible(NativeHandle gadget, bool visible) {
    ::ShowWindow(Win32Hwnd(gadget), visible ? SW_SHOWNA : SW_HIDE);
}

void SetGadgetEnabled(NativeHandle gadget, bool enabled) {
    EnableWindow(Win32Hwnd(gadget), enabled);
}

void SetGadgetText(NativeHandle gadget, const std::u16string& text) {
    Win32State& st = Win32Backend();
    HWND g = Win32Hwnd(gadget);
    // Our own change is no user edit: EN_CHANGE comes while this runs.
    const HWND outer = st.settingText;
    st.settingText = g;
    SetWindowTextW(g, Win32Text(text));
    st.settingText = outer;
}

std::u16string GadgetText(NativeHandle gadget) {
    HWND g = Win32Hwnd(gadget);
    const int length = GetWindowTextLengthW(g);
    if (length <= 0) return {};
    std::vector<wchar_t> text(static_cast<std::size_t>(length) + 1);
    const int got = GetWindowTextW(g, text.data(), length + 1);
    return Win32String(text.data(), static_cast<std::size_t>(got > 0 ? got : 0));
}

void SetGadgetFont(NativeHandle gadget, FontHandle font) {
    SendMessageW(Win32Hwnd(gadget), WM_SETFONT, static_cast<WPARAM>(font), TRUE);
}

void SetGadgetColors(NativeHandle gadget, Color text, Color back) {
    HWND h = Win32Hwnd(gadget);
    Win32Gadget* g = Find(h);
    if (!g) return;
    g->text = text;
    g->back = back;
    if (g->backBrush) DeleteObject(g->backBrush);
    g->backBrush = back >= 0 ? CreateSolidBrush(Win32Color(back)) : nullptr;
    // A themed check box ignores the colours it is given.
    if (g->kind == GadgetKind::CheckBox) SetWindowTheme(h, L"", L"");
    InvalidateRect(h, nullptr, TRUE);
}

void FocusGadget(NativeHandle gadget) {
    HWND g = Win32Hwnd(gadget);
    // A hidden gadget cannot hold the focus; taking it still means that no
    // other gadget of the window keeps it.
    SetFocus(::IsWindowVisible(g) ? g : GetAncestor(g, GA_ROOT));
}

void SetChecked(NativeHandle gadget, bool checked) {
    SendMessageW(Win32Hwnd(gadget), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool IsChecked(NativeHandle gadget) {
    return SendMessageW(Win32Hwnd(gadget), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetCanvasCursor(NativeHandle canvas, CursorShape shape) {
    HWND h = Win32Hwnd(canvas);
    Win32Gadget* g = Find(h);
    if (!g) return;
    g->cursor = LoadCursorW(nullptr, shape == IBeamCursor ? IDC_IBEAM : IDC_ARROW);
    POINT p{};
    GetCursorPos(&p);
    if (WindowFromPoint(p) == h) SetCursor(g->cursor);
}

void PresentCanvas(NativeHandle canvas, const Surface& surface) {
    HWND h = Win32Hwnd(canvas);
    if (Win32Gadget* g = Find(h)) g->surface = &surface;
    InvalidateRect(h, nullptr, FALSE);
}

void ShowImage(NativeHandle gadget, const Surface* image) {
    HWND h = Win32Hwnd(gadget);
    Win32Gadget* g = Find(h);
    if (!g) return;
    g->surface = image;
    SetBitmap(h, *g, image && image->width > 0 && image->height > 0 ? BitmapOf(*image) : nullptr);
}

void PostFieldSelection(NativeHandle field, int start, int end) {
    PostMessageW(Win32Hwnd(field), EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

}  // namespace tk::backend
