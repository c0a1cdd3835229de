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

// The picked colour's format buttons rewrite text only (no colour). Codes
// that are merely reordered keep their digits as typed.
// "#": a PureBasic code reordered, an rgb or rgba code (any case) read.
ConvertedCode PickWebCode(const std::u16string& field);
// "$": a web code reordered, an rgb code (lower-case prefix) read.
ConvertedCode PickPbCode(const std::u16string& field);
// "rgb": a PureBasic code to a padded rgb code, a web code to a plain one;
// "$#" followed by a web code passes both and ends plain. Not trimmed.
ConvertedCode PickRgbCode(const std::u16string& field);
