// What the system's colour and font dialogs are given and give back.
#pragma once

#include <array>
#include <string>

#include "toolkit/types.h"

namespace tk {

// The dialog's custom colours: shown to the user and read back after it closes.
using CustomColorSet = std::array<Color, 16>;

struct FontChoice {
    std::u16string face;
    int sizeTenths = 0;  // the size in tenths of a point
    int weight = 400;    // 100 to 900; 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
};

}  // namespace tk
