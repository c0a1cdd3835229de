#include "compare/comparison_codes.h"

#include <string>

#include "app/ids.h"
#include "color/code_forms.h"
#include "color/color_value.h"
#include "toolkit/toolkit.h"

namespace {

struct CodeButton {
    int button;
    int colorSource;  // the field whose data holds the chosen colour
    int target;
    std::u16string (*format)(std::int64_t, std::int64_t, std::int64_t);
};

const CodeButton CodeButtons[] = {
    {BackPbCodeButton, BackRgbField, BackHexField, FormatPbCode},
    {BackWebCodeButton, BackRgbField, BackHexField, FormatWebCode},
    {FontPbCodeButton, FontRgbField, FontHexField, FormatPbCode},
    {FontWebCodeButton, FontRgbField, FontHexField, FormatWebCode},
};

}  // namespace

void OnCodeButton() {
    const tk::Event& e = tk::CurrentEvent();
    // On the press itself: a double-click's second press writes again.
    if (e.type != tk::LeftButtonDown) return;
    for (const CodeButton& b : CodeButtons) {
        if (b.button != e.gadget) continue;
        const auto c = static_cast<ColorValue>(tk::GetGadgetData(b.colorSource));
        if (c < 0) return;  // no colour chosen yet
        tk::SetGadgetText(b.target, b.format(RedOf(c), GreenOf(c), BlueOf(c)));
    }
}
