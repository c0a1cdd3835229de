// The hand-drawn surfaces of the main window, each painted whole in the
// palette in force: the title bar, the four panels, the swatch, the footer.
#pragma once

// Paints the gadget when it is one of those surfaces; false otherwise. A
// surface that cannot be drawn on is skipped.
bool PaintSurface(int gadget);

// Every surface, in the order the theme paints them.
void PaintAllSurfaces();
