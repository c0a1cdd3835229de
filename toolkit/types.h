// Basic types shared by the toolkit's public calls and its backend contract.
#pragma once

#include <cstdint>
#include <string>

namespace tk {

// A colour in the system's own order: red in bits 0-7, green 8-15, blue 16-23.
// It is the same layout as the tool's colour values, so they pass unchanged.
using Color = std::int32_t;

// Opaque handles of native objects. 0 always means "none".
using NativeHandle = std::intptr_t;  // a window or gadget of the platform
using FontHandle = std::intptr_t;    // a font made by the backend
using ImageHandle = std::intptr_t;   // an image of the toolkit (see images.h)

// Passed instead of a number to let the toolkit pick a free one.
inline constexpr int AnyNumber = -1;
// Passed to a resize for a value that is to stay as it is.
inline constexpr int Keep = -65535;

struct Point {
    int x = 0;
    int y = 0;
};

struct Size {
    int width = 0;
    int height = 0;
};

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

enum class GadgetKind : int {
    None = 0,  // no such gadget
    Canvas = 1,
    StringField = 2,
    CheckBox = 3,
    Text = 4,
    Image = 5,
};

// What an event is about. The main loop only ever looks for CloseWindow.
enum class EventKind : int {
    None = 0,
    Gadget = 1,
    Timer = 2,
    CloseWindow = 3,
};

// Gadget event types. The canvas pointer types have fixed values that stored
// records and tests rely on; the others are our own.
enum EventType : int {
    AnyType = 0,
    MouseEnter = 65537,
    MouseLeave = 65538,
    MouseMove = 65539,
    LeftButtonDown = 65540,
    LeftButtonUp = 65541,
    RightButtonDown = 65542,
    RightButtonUp = 65543,
    MiddleButtonDown = 65544,
    MiddleButtonUp = 65545,
    MouseWheel = 65546,
    LeftDoubleClick = 65547,
    RightDoubleClick = 65548,
    FocusIn = 65600,
    FocusOut = 65601,
    TextChange = 65602,
    CheckChange = 65603,
};

// Bits of the mouse-button state recorded with a canvas event.
enum MouseButtonBits : int {
    LeftButtonBit = 1,
    RightButtonBit = 2,
    MiddleButtonBit = 4,
};

// Canvas attributes, read and written with the generic attribute calls.
enum CanvasAttribute : int {
    CanvasMouseX = 2,   // pointer x of the canvas's current event, canvas coordinates
    CanvasMouseY = 3,   // pointer y of the same
    CanvasButtons = 4,  // MouseButtonBits at that event
    CanvasCursor = 5,   // a CursorShape
    CanvasWheel = 6,    // wheel steps of the last wheel event (positive = away from the user)
};

enum CursorShape : int {
    ArrowCursor = 0,
    IBeamCursor = 1,
};

// Gadget colour slots of the generic colour calls.
enum ColorSlot : int {
    TextColorSlot = 1,
    BackColorSlot = 2,
};

// Window creation flags.
enum WindowFlags : unsigned {
    WindowCentered = 1u << 0,  // ignore x and y; centre on the primary screen
    WindowHidden = 1u << 1,    // create without showing
    WindowNoFocus = 1u << 2,   // a tool window that never takes the keyboard focus
};

// Font creation flags.
enum FontFlags : unsigned {
    FontBold = 1u << 0,
    FontItalic = 1u << 1,
    FontUnderline = 1u << 2,
    FontStrikeOut = 1u << 3,
    FontHighQuality = 1u << 4,  // the platform's best rendering
};

}  // namespace tk
