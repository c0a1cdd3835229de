// Drag state of the title bar, kept as the main window's window data.
#pragma once

#include <cstdint>

struct DragState {
    std::int32_t dragging = 0;
    std::int32_t grabX = 0;
    std::int32_t grabY = 0;
};
