#include "color/code_buttons.h"

#include <optional>

#include "app/ids.h"
#include "color/code_conversions.h"
#include "toolkit/toolkit.h"
#include "widgets/button_events.h"
#include "widgets/canvas_button.h"

namespace {

using Conversion = ConvertedCode (*)(const std::u16string&);

// Acts on a completed click only: the focus leaves the field whatever it
// holds, and a text the conversion accepts is rewritten in place. Gives the
// conversion's colour when it rewrote the field.
std::optional<ColorValue> RewriteOnClick(int field, Conversion convert) {
    if (!WasClicked()) return std::nullopt;
    const std::u16string text = tk::GetGadgetText(field);
    tk::SetActiveGadget(FocusSink);
    const ConvertedCode result = convert(text);
    if (!result.converted) return std::nullopt;
    tk::SetGadgetText(field, result.text);
    return result.color;
}

// The converters also paint their button in the colour, so that it doubles
// as a swatch.
void ConvertOnClick(int field, int button, Conversion convert) {
    const std::optional<ColorValue> color = RewriteOnClick(field, convert);
    if (!color) return;
    for (int slot : {NormalFill, HoverFill, PressedFill, NormalBorder, HoverBorder, PressedBorder})
        tk::SetGadgetColor(button, slot, *color);
}

}  // namespace

void OnWebConvert() {
    ConvertOnClick(WebInputField, WebConvertButton, ConvertWebCode);
}

void OnPbConvert() {
    ConvertOnClick(PbInputField, PbConvertButton, ConvertPbCode);
}

void OnPickWeb() {
    RewriteOnClick(PickField, PickWebCode);
}

void OnPickPb() {
    RewriteOnClick(PickField, PickPbCode);
}

void OnPickRgb() {
    RewriteOnClick(PickField, PickRgbCode);
}
