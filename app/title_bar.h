// The controls a system title bar would give: dragging, closing, the look
// switch, always-on-top, and the footer's link to the manual.
#pragma once

#include <string>

void OnTitleBarEvent();
void OnCloseButtonEvent();
void OnAlwaysOnTop();
void OnFooterEvent();

// Where the footer's link leads: the manual installed with the tool, or the
// one in the source tree when the tool runs from its build folder.
std::u16string ManualAddress();
