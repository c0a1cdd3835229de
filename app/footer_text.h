// The footer's caption, fixed at start-up.
#pragma once

#include <string>

#include "color/text_rules.h"

inline std::u16string FooterText;

// "Marrowfield (2k" + the last two characters of the year + ")".
inline std::u16string MakeFooterText(int year) {
    return u"Marrowfield (2k" + RightChars(DecimalText(year), 2) + u")";
}
