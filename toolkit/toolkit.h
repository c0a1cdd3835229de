// Everything the tool uses of the toolkit.
#pragma once

#include "toolkit/dialogs.h"
#include "toolkit/drawing.h"
#include "toolkit/events.h"
#include "toolkit/fonts.h"
#include "toolkit/gadgets.h"
#include "toolkit/images.h"
#include "toolkit/mouse_observer.h"
#include "toolkit/services.h"
#include "toolkit/types.h"
#include "toolkit/windows.h"

namespace tk {

// Starts the platform; call once before anything else. When the platform
// cannot start at all (no X server to talk to), says so in one line on
// standard error and ends the process with a failure code.
void Init();
// Closes every window (releasing its gadgets), frees fonts and images and
// stops the platform.
void Shutdown();

}  // namespace tk
