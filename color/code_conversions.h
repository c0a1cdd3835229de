// What the converters do to the text of their field, apart from any window:
// either nothing, or a new text and the colour the button then shows.
#pragma once

#include <string>

#include "color/color_value.h"

struct ConvertedCode {
    bool converted = false;  // false: the field keeps its text as it was
    std::u16string text;
    ColorValue color = 0;
};

// A web code (after trimming blanks) becomes an rgba code; an rgb or rgba
// code, any case, becomes a web code. Anything else is left alone.
ConvertedCode ConvertWebCode(const std::u16string& field);

// A PureBasic code, untrimmed, becomes a padded rgb code; anything else is
// left alone.
ConvertedCode ConvertPbCode(const std::u16string& field);
