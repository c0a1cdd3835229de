// The program's main line: start-up, the event loop and the end.
#pragma once

#include <string>

// Caption painted on the footer, fixed at start-up.
extern std::u16string FooterText;

std::u16string MakeFooterText(int year);
// Fonts 1 to 6, by number.
void LoadFonts();
// Waits for events, which reach their handlers meanwhile, until the first
// close-window event.
void RunEventLoop();
// The whole run; the result is the process's exit code, always 0.
int RunTintwell();
