// A canvas button alive: following the mouse, painting itself, and the
// click test that every button handler asks.
#pragma once

#include "widgets/canvas_button.h"

// Bound to every event of a button's canvas when the button is created.
void OnButtonEvent();
// 1 when the current event is a left release within the button, both upper
// bounds included; else 0. For handlers bound to a canvas button.
int WasClicked();
// The drawHook of a text button: the whole canvas in the look its state selects.
int PaintTextButton(CanvasButton* button);
