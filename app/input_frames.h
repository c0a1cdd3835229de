// The drawn input frames behave as part of their fields: the text cursor
// shows over them, and a field selects its whole text when it gets the focus.
#pragma once

// 1 when x <= px <= x + width and y <= py <= y + height: both edges count.
int PointInRect(int px, int py, int x, int y, int width, int height);

void OnComparePanelHover();
void OnWebPanelHover();
void OnPbPanelHover();
void OnPickerPanelHover();
void OnFieldFocus();
