#include "compare/color_selection.h"

#include "app/ids.h"
#include "color/code_forms.h"
#include "widgets/button_events.h"
#include "widgets/canvas_button.h"

namespace {

constexpr int AnchorLeftOfButton = 55;      // the colour dialogs' anchor, left of the button's x
constexpr int FontAnchorLeftOfButton = 63;  // the font dialog's
constexpr int FontAnchorAboveButton = 37;

void RefillCustomColors() {
    for (ColorValue& c : CustomColors)
        c = RandomColor();
}

// The anchor below a button of the comparison panel, the dialogs' place.
void PlaceAnchorBelow(int button) {
    PlaceDialogAnchor(tk::WindowX(MainWindow) + tk::GadgetX(button) - AnchorLeftOfButton,
                      tk::GadgetScreenPosition(button).y + tk::GadgetHeight(button));
}

void ShowBackground(ColorValue c) {
    const int r = RedOf(c), g = GreenOf(c), b = BlueOf(c);
    tk::SetGadgetText(BackRgbField, FormatRgbCode(r, g, b));
    tk::SetGadgetText(BackHexField, FormatWebCode(r, g, b));
    tk::SetGadgetText(BackColorButton, u"Preview");
    for (int button : {BackColorButton, FontColorButton})
        for (int slot :
             {NormalFill, HoverFill, PressedFill, NormalBorder, HoverBorder, PressedBorder})
            tk::SetGadgetColor(button, slot, c);
    tk::SetGadgetData(BackRgbField, c);
}

void ShowFontColor(ColorValue c) {
    for (int slot : {NormalText, HoverText, PressedText})
        tk::SetGadgetColor(FontColorButton, slot, c);
    const int r = RedOf(c), g = GreenOf(c), b = BlueOf(c);
    tk::SetGadgetText(FontRgbField, FormatRgbCode(r, g, b));
    tk::SetGadgetText(FontHexField, FormatWebCode(r, g, b));
    tk::SetGadgetData(FontRgbField, c);
}

void UsePreviewFont(const tk::FontChoice& choice) {
    // The button must not paint with the font while it is being replaced.
    tk::SetGadgetFont(FontColorButton, tk::DefaultFont());
    tk::FreeFont(PreviewFont);
    // Whole points, the fraction dropped; bold only at exactly bold weight.
    unsigned flags = 0;
    if (choice.weight == 700) flags |= tk::FontBold;
    if (choice.italic) flags |= tk::FontItalic;
    if (choice.underline) flags |= tk::FontUnderline;
    if (choice.strikeOut) flags |= tk::FontStrikeOut;
    tk::LoadFont(PreviewFont, choice.face, choice.sizeTenths / 10, flags);
    tk::SetGadgetText(FontColorButton, choice.face);
    tk::SetGadgetFont(FontColorButton, tk::FontID(PreviewFont));
}

}  // namespace

ColorValue RunColorDialog(tk::NativeHandle owner, ColorValue initial, tk::CustomColorSet& colors) {
    const ColorValue c = tk::SystemServices().chooseColor(owner, initial, colors);
    return c < 0 ? NoColor : c;
}

void PlaceDialogAnchor(int x, int y) {
    if (!tk::IsWindow(DialogAnchorWindow))
        tk::NewWindow(DialogAnchorWindow, x, y, 0, 0, u"", tk::WindowHidden,
                      tk::WindowHandle(MainWindow));
    tk::ResizeWindow(DialogAnchorWindow, x, y, 0, 0);
}

ColorValue RandomColor() {
    auto& draw = tk::SystemServices().randomByte;
    const int blue = draw();
    const int green = draw();
    const int red = draw();
    return MakeColor(red, green, blue);
}

void OnBackColor() {
    if (!WasClicked()) return;
    tk::DisableGadget(BackColorButton, true);
    PlaceAnchorBelow(BackColorButton);
    RefillCustomColors();
    const ColorValue initial = RandomColor();
    const ColorValue c =
        RunColorDialog(tk::WindowHandle(DialogAnchorWindow), initial, CustomColors);
    if (c >= 0) ShowBackground(c);
    tk::DisableGadget(BackColorButton, false);
}

void OnFontColor() {
    if (!WasClicked()) return;
    tk::DisableGadget(FontColorButton, true);
    // A shown window of its own, above the button, owns the font dialog.
    const auto anchor = static_cast<int>(tk::NewWindow(
        tk::AnyNumber,
        tk::WindowX(MainWindow) + tk::GadgetX(FontColorButton) - FontAnchorLeftOfButton,
        tk::GadgetScreenPosition(FontColorButton).y - FontAnchorAboveButton, 0, 0, u"", 0));
    const std::optional<tk::FontChoice> font =
        tk::SystemServices().chooseFont(tk::WindowHandle(anchor), u"Arial", 14);
    tk::CloseWindow(anchor);
    if (font) {
        UsePreviewFont(*font);
        PlaceAnchorBelow(FontColorButton);
        RefillCustomColors();
        const ColorValue c =
            RunColorDialog(tk::WindowHandle(DialogAnchorWindow), MakeColor(0, 0, 0), CustomColors);
        if (c >= 0) ShowFontColor(c);
    }
    tk::DisableGadget(FontColorButton, false);
}
