// The main window and everything in it, built once at start-up.
#pragma once

#include <memory>

#include "app/drag_state.h"

// MainWindow's window data; lives from the build to the end of the process.
extern std::unique_ptr<DragState> TitleDrag;

// Creates every window and gadget, binds the handlers and shows the main
// window. False when the drag state cannot be allocated: nothing was built
// and the program is to end.
bool BuildMainWindow();
