// Presses anywhere on the screen, seen but never swallowed: the press goes on
// to whatever lies under the pointer as well.
#pragma once

#include "toolkit/types.h"

namespace tk {

enum class ObservedButton { Left, Middle };

struct MousePress {
    ObservedButton button = ObservedButton::Left;
    bool hasPosition = false;
    Point position;  // on the screen
};

// Runs on the GUI thread between events; installed through the services.
using MouseObserver = void (*)(const MousePress& press);

}  // namespace tk
