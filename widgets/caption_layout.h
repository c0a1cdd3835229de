// Placing a button's caption inside its box, on one line or broken at spaces.
//
// The pen is whatever draws: it answers TextWidth(text) and TextHeight(text)
// (both 0 for an empty text) and draws with Draw(x, y, text), the text's top
// left at (x, y). Tests hand in a pen with fixed metrics.
#pragma once

#include <cstdint>
#include <string>

#include "color/text_rules.h"
#include "widgets/canvas_button.h"

namespace caption_detail {

inline int AlignedX(std::uint32_t flags, int w, int lineWidth) {
    if (flags & AlignLeft) return 2;
    if (flags & AlignRight) return w - lineWidth - 2;
    return w / 2 - lineWidth / 2;
}

}  // namespace caption_detail

template <typename Pen>
void LayoutCaption(Pen& pen, int x, int y, int w, int h, const std::u16string& text,
                   std::uint32_t flags) {
    using caption_detail::AlignedX;
    const int tw = pen.TextWidth(text);
    const int th = pen.TextHeight(text);

    // A box without width has nothing to break lines against: such a caption
    // is laid out on one line, as if it did not wrap.
    if (!(flags & WordWrap) || w <= 0) {
        pen.Draw(x + AlignedX(flags, w, tw), y + h / 2 - th / 2 - 1, text);
        return;
    }

    // The estimate of extra lines, not the lines produced, raises the block.
    const int extraLines = tw / w;
    int yo = h / 2 - th / 2 - (th / 2) * extraLines - 1;
    std::int64_t count = 1;
    for (char16_t c : text)
        count += c == u' ';

    std::int64_t i = 1;
    while (i <= count) {
        std::u16string line = FieldAt(text, i, u' ') + u" ";
        do {
            ++i;
            const std::u16string word = FieldAt(text, i, u' ');
            if (pen.TextWidth(line + word) >= w - 12) break;  // starts the next line
            line += word + u" ";
        } while (i <= count);
        line = TrimSpaces(line);
        pen.Draw(x + AlignedX(flags, w, pen.TextWidth(line)), y + yo, line);
        yo += th;
    }
}
