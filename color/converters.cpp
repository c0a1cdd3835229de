#include "color/converters.h"

#include "app/ids.h"
#include "color/code_conversions.h"
#include "toolkit/toolkit.h"
#include "widgets/button_events.h"
#include "widgets/canvas_button.h"

namespace {

// A completed click converts the field in place and paints the button in
// the colour, so that it doubles as a swatch; the focus leaves the field.
void ConvertOnClick(int field, int button, ConvertedCode (*convert)(const std::u16string&)) {
    if (!WasClicked()) return;
    const std::u16string text = tk::GetGadgetText(field);
    tk::SetActiveGadget(FocusSink);
    const ConvertedCode result = convert(text);
    if (!result.converted) return;
    tk::SetGadgetText(field, result.text);
    for (int slot : {NormalFill, HoverFill, PressedFill, NormalBorder, HoverBorder, PressedBorder})
        tk::SetGadgetColor(button, slot, result.color);
}

}  // namespace

void OnWebConvert() {
    ConvertOnClick(WebInputField, WebConvertButton, ConvertWebCode);
}

void OnPbConvert() {
    ConvertOnClick(PbInputField, PbConvertButton, ConvertPbCode);
}
