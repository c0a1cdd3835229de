// Choosing a background colour, a font and a font colour through the system
// dialogs; the large buttons then preview the font's name in that colour on
// that background.
#pragma once

#include "color/color_value.h"
#include "toolkit/toolkit.h"

// The colour dialog's custom colours, drawn anew before every colour dialog.
inline tk::CustomColorSet CustomColors{};

// The colour dialog owned by the window: the chosen colour, or NoColor.
ColorValue RunColorDialog(tk::NativeHandle owner, ColorValue initial, tk::CustomColorSet& colors);
// Puts the invisible owner of the colour dialogs where the dialog should
// appear, creating it if it does not exist.
void PlaceDialogAnchor(int x, int y);
// Three uniform draws, blue first: a random colour.
ColorValue RandomColor();

void OnBackColor();
void OnFontColor();
