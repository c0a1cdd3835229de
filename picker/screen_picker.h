// Picking colours from anywhere on the screen: a 50 ms sampling timer while
// armed, a magnifier toggled by a middle press, and the pick of a left press,
// both seen through the global mouse observer.
#pragma once

#include "color/color_value.h"
#include "toolkit/toolkit.h"

// The colour the timer sampled last; 0 at start-up.
inline ColorValue LastSampledColor = 0;

// PickerCheck: arms or disarms the picker.
void OnPickerCheck();
// PickerTimer: the magnifier's picture, then the colour under the pointer.
void OnPickerTick();
// The colour of the screen pixel under the pointer.
ColorValue SampleCursorPixel();
// Copies the screen rectangle enlarged by the factor into the image (made
// anew at width x height; it shows the top-left width / factor by
// height / factor pixels of the rectangle) and rings its middle. Returns the
// image's handle.
tk::ImageHandle CaptureMagnified(int image, int left, int top, int width, int height, int factor);
// The observer of presses anywhere on the screen.
void PickerMouseHook(const tk::MousePress& press);
