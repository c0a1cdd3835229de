// The contract between the portable toolkit and one platform backend.
//
// A backend implements every function of tk::backend below, and calls the
// functions of tk::core when the platform reports something. Exactly one
// backend is compiled in (toolkit/qt on Linux, toolkit/win32 on Windows).
// A backend never calls into the tool and keeps no numbers: the portable
// core maps numbers to native handles.
//
// Checklist, grouped by concern:
//   loop      Init, Shutdown, ProcessEvents, WakeUp
//   windows   NewWindow, DestroyWindow, ShowWindow, HideWindow, IsWindowVisible,
//             SetWindowGeometry, WindowGeometry, SetWindowBackground,
//             SetWindowTopmost, PrimaryScreenSize
//   gadgets   NewGadget, DestroyGadget, SetGadgetGeometry, SetGadgetVisible,
//             SetGadgetEnabled, SetGadgetText, GadgetText, SetGadgetFont,
//             SetGadgetColors, FocusGadget, SetChecked, IsChecked,
//             SetCanvasCursor, PresentCanvas, ShowImage, PostFieldSelection
//   fonts     NewFont, FreeFont, DefaultFont, VerticalDpi, MeasureText, DrawText
//   timers    StartTimer, StopTimer
//   pointer   PointerPosition
//   system    AppDataFolder, OpenAddress, PathSeparator, ExecutableFolder
//   screen    ScreenPixel, GrabScreen, InstallMouseObserver, RemoveMouseObserver
//   dialogs   ChooseColor, ChooseFont
#pragma once

#include <optional>
#include <string>

#include "toolkit/dialogs.h"
#include "toolkit/mouse_observer.h"
#include "toolkit/surface.h"
#include "toolkit/types.h"

namespace tk::backend {

// --- loop -------------------------------------------------------------------
void Init();
void Shutdown();
// Handles the native events that are waiting; with wait, first blocks until
// there is at least one (or WakeUp is called).
void ProcessEvents(bool wait);
// Makes a blocked ProcessEvents return.
void WakeUp();

// --- windows ----------------------------------------------------------------
// A borderless top-level window, created hidden; rect is its inner area on
// the screen. An owned window stays above its owner and has no taskbar entry;
// a window without focus never takes the keyboard focus, even when clicked.
NativeHandle NewWindow(const Rect& rect, const std::u16string& title, NativeHandle owner,
                       bool withoutFocus);
void DestroyWindow(NativeHandle window);
void ShowWindow(NativeHandle window, bool activate);
void HideWindow(NativeHandle window);
bool IsWindowVisible(NativeHandle window);
// Moves and sizes without activating or raising.
void SetWindowGeometry(NativeHandle window, const Rect& rect);
Rect WindowGeometry(NativeHandle window);
void SetWindowBackground(NativeHandle window, Color color);
// Above all ordinary windows or not, without hiding, moving or activating.
void SetWindowTopmost(NativeHandle window, bool topmost);
Size PrimaryScreenSize();

// --- gadgets ----------------------------------------------------------------
// parent is a window or a container canvas; rect is relative to it. Canvases
// show the surface last given to PresentCanvas.
NativeHandle NewGadget(GadgetKind kind, NativeHandle parent, const Rect& rect,
                       const std::u16string& text);
void DestroyGadget(NativeHandle gadget);
void SetGadgetGeometry(NativeHandle gadget, const Rect& rect);
void SetGadgetVisible(NativeHandle gadget, bool visible);
void SetGadgetEnabled(NativeHandle gadget, bool enabled);
void SetGadgetText(NativeHandle gadget, const std::u16string& text);
std::u16string GadgetText(NativeHandle gadget);
void SetGadgetFont(NativeHandle gadget, FontHandle font);
// -1 for either colour means the platform's default.
void SetGadgetColors(NativeHandle gadget, Color text, Color back);
void FocusGadget(NativeHandle gadget);
// Check boxes; changing the state from code raises no event.
void SetChecked(NativeHandle gadget, bool checked);
bool IsChecked(NativeHandle gadget);
void SetCanvasCursor(NativeHandle canvas, CursorShape shape);
// Shows the whole surface at once. The surface must live as long as the
// canvas or until the next call.
void PresentCanvas(NativeHandle canvas, const Surface& surface);
// Image gadgets; null shows nothing. Same lifetime rule as PresentCanvas.
void ShowImage(NativeHandle gadget, const Surface* image);
// Select later, once the loop runs again: anchor at start, caret at end.
void PostFieldSelection(NativeHandle field, int start, int end);

// --- fonts and text -----------------------------------------------------------
FontHandle NewFont(const std::u16string& face, int pixelHeight, unsigned flags);
void FreeFont(FontHandle font);
FontHandle DefaultFont();
int VerticalDpi();  // 0 when the screen cannot be asked
Size MeasureText(FontHandle font, const std::u16string& text);
// Draws text with its cell's top-left corner at (x, y), clipped to the
// surface; opaque text first fills its cell with back.
void DrawText(Surface& surface, FontHandle font, int x, int y, const std::u16string& text,
              Color front, Color back, bool opaque);

// --- timers -------------------------------------------------------------------
void StartTimer(NativeHandle window, int timer, int milliseconds);
void StopTimer(NativeHandle window, int timer);

// --- pointer ------------------------------------------------------------------
Point PointerPosition();  // on the screen

// --- system -------------------------------------------------------------------
std::u16string AppDataFolder();  // empty when unknown
void OpenAddress(const std::u16string& address);
char16_t PathSeparator();
std::u16string ExecutableFolder();

// --- screen -------------------------------------------------------------------
Color ScreenPixel(int x, int y);       // -1 when it cannot be read
Surface GrabScreen(const Rect& area);  // black outside the screen
// Reports left and middle presses anywhere on the screen, never taking them
// away from where they go. False when the platform cannot watch them.
bool InstallMouseObserver(MouseObserver observer);
void RemoveMouseObserver();

// --- dialogs ------------------------------------------------------------------
// Modal, owned by the window; see Services for what they give back.
Color ChooseColor(NativeHandle owner, Color initial, CustomColorSet& custom);
std::optional<FontChoice> ChooseFont(NativeHandle owner, const std::u16string& face, int points);

}  // namespace tk::backend

// What a backend reports to the portable core.
namespace tk::core {

enum class PointerAction {
    Move,
    LeftDown,
    LeftUp,
    LeftDouble,  // the second press of a double-click
    RightDown,
    RightUp,
    RightDouble,
    MiddleDown,
    MiddleUp,
    Wheel,
    Leave,  // the platform says the pointer left the canvas
};

// x and y are canvas coordinates; buttons are MouseButtonBits after the action.
void CanvasPointerEvent(NativeHandle canvas, PointerAction action, int x, int y, int buttons,
                        int wheel = 0);
// Focus and change events of string fields, user changes of check boxes.
void GadgetEvent(NativeHandle gadget, EventType type);
void CloseRequest(NativeHandle window);
void TimerEvent(NativeHandle window, int timer);

}  // namespace tk::core
