#include "theme/apply_theme.h"

#include "app/ids.h"
#include "theme/palette.h"
#include "theme/surfaces.h"
#include "toolkit/toolkit.h"
#include "widgets/canvas_button.h"

namespace {

constexpr int ArrowHeight = 19;

struct Chevron {
    int image;
    int apexRow, armRow;  // rows of the first of the two lines
    int step;             // +1: the second line is one row lower
};

// The strip's background, the window-frame line on top and a two-pixel
// chevron: upward on the open image, downward on the folded one.
void DrawArrow(const Chevron& c, int width) {
    tk::Drawing d = tk::Drawing::OnImage(c.image);
    if (!d) return;
    const int cx = width / 2;
    d.Fill(0, 0, width, ArrowHeight, Palette.ArrowBackColor);
    d.Line(0, 0, width - 1, 0, Palette.FrameColor);
    const ColorValue ink = Palette.LargeButtonTextColor;
    for (int side : {-8, 8})
        for (int row : {0, c.step})
            d.Line(cx, c.apexRow + row, cx + side, c.armRow + row, ink);
}

const int SmallButtons[] = {BackPbCodeButton,  BackWebCodeButton, FontPbCodeButton,
                            FontWebCodeButton, PickPbButton,      PickWebButton,
                            PickRgbButton};
const int LargeButtons[] = {BackColorButton, WebConvertButton, PbConvertButton, FontColorButton};

void ColorButtons() {
    const ThemePalette& p = Palette;
    for (int b : SmallButtons)
        SetButtonColors(b, p.SmallButtonTextColor, p.SmallButtonBackColor, p.SmallButtonBorderColor,
                        p.SmallButtonTextColor, p.SmallButtonHoverBackColor,
                        p.SmallButtonBorderColor, p.SmallButtonTextColor,
                        p.SmallButtonHoverBackColor, p.SmallButtonBorderColor);
    for (int b : LargeButtons)
        SetButtonColors(b, p.LargeButtonTextColor, p.LargeButtonBackColor, p.LargeButtonBorderColor,
                        p.LargeButtonTextColor, p.LargeButtonBackColor, p.LargeButtonBorderColor,
                        p.LargeButtonTextColor, p.LargeButtonBackColor, p.LargeButtonBorderColor);
}

void ColorLabelsAndFields() {
    for (int label : {AlwaysOnTopLabel, PickerLabel}) {
        tk::SetGadgetColor(label, tk::TextColorSlot, Palette.PanelTextColor);
        tk::SetGadgetColor(label, tk::BackColorSlot, Palette.PanelBackColor);
    }
    for (int n = 1; n <= LastGadgetNumber + 1; ++n)
        if (tk::GadgetKindOf(n) == tk::GadgetKind::StringField) {
            tk::SetGadgetColor(n, tk::BackColorSlot, Palette.FieldBackColor);
            tk::SetGadgetColor(n, tk::TextColorSlot, Palette.FieldTextColor);
        }
}

}  // namespace

void ApplyTheme(std::int32_t theme) {
    tk::FreeImage(OpenArrowImage);
    tk::FreeImage(FoldedArrowImage);
    SelectPalette(theme);
    if (!tk::IsWindow(MainWindow)) return;

    const int width = tk::WindowWidth(MainWindow) - 2;
    tk::NewImage(OpenArrowImage, width, ArrowHeight);
    tk::NewImage(FoldedArrowImage, width, ArrowHeight);
    DrawArrow({OpenArrowImage, 5, 13, 1}, width);
    DrawArrow({FoldedArrowImage, 13, 5, -1}, width);

    tk::HideWindow(MainWindow);
    if (tk::IsWindow(MainWindow)) {
        tk::SetWindowColor(MainWindow, Palette.FrameColor);
        PaintAllSurfaces();
        ColorButtons();
        const int arrow =
            tk::GetGadgetData(CollapseToggle) == 0 ? OpenArrowImage : FoldedArrowImage;
        tk::SetGadgetImage(CollapseToggle, tk::ImageID(arrow));
        ColorLabelsAndFields();
        // Painting the title bar does not reach the close button on it.
        tk::PostEvent({tk::EventKind::Gadget, MainWindow, CloseButton, tk::MouseLeave, 0});
    }
    tk::ShowWindow(MainWindow, true);
}
