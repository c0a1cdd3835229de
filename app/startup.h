// The program's main line: start-up, the event loop and the end.
#pragma once

#include "app/footer_text.h"

// Fonts 1 to 6, by number.
void LoadFonts();
// Waits for events, which reach their handlers meanwhile, until the first
// close-window event.
void RunEventLoop();
// The whole run; the result is the process's exit code, always 0. (A platform
// that cannot start at all, such as an unreachable X server, ends the process
// with a failure code from tk::Init instead.)
int RunTintwell();
