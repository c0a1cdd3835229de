// Top-level windows by number. All are borderless.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/types.h"

namespace tk {

// Opens a window with the given inner size at (x, y) on the screen, or centred
// on the primary screen with WindowCentered (at 0 where it does not fit).
// owner is the native handle of the owning window, or 0. The new window's
// gadget list becomes the current one. Returns the native handle, the new
// number for AnyNumber, 0 on failure.
std::intptr_t NewWindow(int number, int x, int y, int w, int h, const std::u16string& title,
                        unsigned flags, NativeHandle owner = 0);
// Destroys the window and every gadget in it.
void CloseWindow(int number);

bool IsWindow(int number);
// The numbers of every open window, in ascending order.
std::vector<int> WindowNumbers();
NativeHandle WindowHandle(int number);
void ShowWindow(int number, bool activate = true);
void HideWindow(int number);
bool IsWindowVisible(int number);
// Position of the window's top-left corner on the screen and its inner size.
int WindowX(int number);
int WindowY(int number);
int WindowWidth(int number);
int WindowHeight(int number);
// Moves or sizes the window; Keep leaves a value as it is. Never activates.
void ResizeWindow(int number, int x, int y, int w, int h);
void SetWindowColor(int number, Color color);
void SetWindowTopmost(int number, bool topmost);
void SetWindowData(int number, std::intptr_t data);
std::intptr_t GetWindowData(int number);

Size PrimaryScreenSize();
Point PointerPosition();

}  // namespace tk

namespace tk::detail {
inline constexpr int NoWindow = -2;
int WindowNumberOf(NativeHandle handle);  // NoWindow when unknown
void CloseAllWindows();
}  // namespace tk::detail
