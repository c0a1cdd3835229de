// Giving the whole window a look.
#pragma once

#include <cstdint>

// Selects the palette of the theme and, once the main window exists,
// repaints everything in it: the arrow images, every surface, the buttons'
// colours, the labels and the string fields. The window is hidden during the
// repaint and shown (activated) again.
void ApplyTheme(std::int32_t theme);
