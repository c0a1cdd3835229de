// Native input reported by the backend, turned into the toolkit's events.
// Enter, leave and capture are decided here, the same way on every platform.
#include "toolkit/backend.h"
#include "toolkit/events.h"
#include "toolkit/gadgets.h"
#include "toolkit/windows.h"

namespace tk::core {

namespace {

// Dispatches a gadget event; false when a handler freed the gadget.
bool Send(NativeHandle handle, int type) {
    Gadget* g = FindGadgetByHandle(handle);
    if (!g) return false;
    detail::Dispatch({EventKind::Gadget, g->window, g->number, type, 0});
    return FindGadgetByHandle(handle) != nullptr;
}

void Move(Gadget* g, bool over) {
    CanvasPointer& p = g->pointer;
    const NativeHandle h = g->handle;
    // Enter is the first move after being outside; it replaces that move.
    if (over) {
        if (!p.inside) {
            p.inside = true;
            Send(h, MouseEnter);
        } else {
            Send(h, MouseMove);
        }
        return;
    }
    const bool captured = p.captured;
    if (p.inside) {
        p.inside = false;
        if (!Send(h, MouseLeave)) return;
    }
    if (captured) Send(h, MouseMove);
}

void Release(Gadget* g, int type, bool over, int buttons) {
    const NativeHandle h = g->handle;
    if (buttons == 0) g->pointer.captured = false;
    if (!Send(h, type)) return;
    // A release outside ends the capture with the pointer already gone.
    g = FindGadgetByHandle(h);
    if (!over && !g->pointer.captured && g->pointer.inside) {
        g->pointer.inside = false;
        Send(h, MouseLeave);
    }
}

}  // namespace

void CanvasPointerEvent(NativeHandle canvas, PointerAction action, int x, int y, int buttons,
                        int wheel) {
    Gadget* g = FindGadgetByHandle(canvas);
    if (!g || g->kind != GadgetKind::Canvas) return;
    CanvasPointer& p = g->pointer;
    p.x = x;
    p.y = y;
    p.buttons = buttons;
    const bool over = x >= 0 && y >= 0 && x < g->rect.width && y < g->rect.height;
    switch (action) {
        case PointerAction::Move:
            Move(g, over);
            break;
        case PointerAction::Leave:
            if (p.inside && !p.captured) {
                p.inside = false;
                Send(canvas, MouseLeave);
            }
            break;
        case PointerAction::LeftDown:
            p.captured = buttons == LeftButtonBit;
            Send(canvas, LeftButtonDown);
            break;
        case PointerAction::LeftDouble:
            p.captured = buttons == LeftButtonBit;
            if (Send(canvas, LeftButtonDown)) Send(canvas, LeftDoubleClick);
            break;
        case PointerAction::LeftUp:
            Release(g, LeftButtonUp, over, buttons);
            break;
        case PointerAction::RightDown:
            Send(canvas, RightButtonDown);
            break;
        case PointerAction::RightDouble:
            if (Send(canvas, RightButtonDown)) Send(canvas, RightDoubleClick);
            break;
        case PointerAction::RightUp:
            Release(g, RightButtonUp, over, buttons);
            break;
        case PointerAction::MiddleDown:
            Send(canvas, MiddleButtonDown);
            break;
        case PointerAction::MiddleUp:
            Release(g, MiddleButtonUp, over, buttons);
            break;
        case PointerAction::Wheel:
            p.wheel = wheel;
            Send(canvas, MouseWheel);
            break;
    }
}

void GadgetEvent(NativeHandle gadget, EventType type) {
    Send(gadget, type);
}

void CloseRequest(NativeHandle window) {
    const int number = detail::WindowNumberOf(window);
    detail::Dispatch({EventKind::CloseWindow, number, 0, 0, 0});
}

void TimerEvent(NativeHandle window, int timer) {
    const int number = detail::WindowNumberOf(window);
    if (number != detail::NoWindow) detail::Dispatch({EventKind::Timer, number, 0, 0, timer});
}

}  // namespace tk::core
