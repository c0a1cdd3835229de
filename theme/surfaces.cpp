#include "theme/surfaces.h"

#include <string>

#include "app/footer_text.h"
#include "app/ids.h"
#include "theme/palette.h"
#include "toolkit/toolkit.h"

namespace {

struct Box {
    int x, y, w, h;
};

// A text in a font and where it stands, on the panel's background.
struct Label {
    const char16_t* text;
    int font;
    int x, y;
};

// What a panel shows: its group frame, its input frames and its texts. The
// steps keep the order in which overlapping parts are drawn.
void FillInputFrames(tk::Drawing& d, std::initializer_list<Box> frames) {
    for (const Box& f : frames)
        d.Fill(f.x, f.y, f.w, f.h, Palette.FieldBackColor);
}

void OutlineInputFrames(tk::Drawing& d, std::initializer_list<Box> frames) {
    for (const Box& f : frames)
        d.Outline(f.x, f.y, f.w, f.h, Palette.FieldFrameColor);
}

void DrawLabels(tk::Drawing& d, std::initializer_list<Label> labels) {
    for (const Label& l : labels) {
        d.SetFont(tk::FontID(l.font));
        d.Text(l.x, l.y, l.text, Palette.PanelTextColor, Palette.PanelBackColor);
    }
}

void BeginPanel(tk::Drawing& d) {
    d.Fill(0, 0, d.Width(), d.Height(), Palette.PanelBackColor);
}

void PaintTitleBar() {
    tk::Drawing d = tk::Drawing::OnCanvas(TitleBar);
    if (!d) return;
    d.Fill(0, 0, d.Width(), d.Height(), Palette.TitleBackColor);
    d.SetFont(tk::FontID(TitleFont));
    // Centred on the height of one "|", each half taken by itself.
    const int y = d.Height() / 2 - d.TextHeight(u"|") / 2;
    d.Text(0, y, u"    Tintwell v7", Palette.TitleTextColor, Palette.TitleBackColor);
}

void PaintComparePanel() {
    tk::Drawing d = tk::Drawing::OnCanvas(ComparePanel);
    if (!d) return;
    constexpr Box BackHex{232, 118, 148, 22}, BackRgb{232, 147, 148, 22};
    constexpr Box FontHex{232, 263, 148, 22}, FontRgb{232, 292, 148, 22};
    BeginPanel(d);
    FillInputFrames(d, {BackHex, BackRgb, FontHex, FontRgb});
    d.Outline(15, 16, 384, 325, Palette.PanelFrameColor);
    DrawLabels(d, {{u"  Compare Background Color with Font Color   ", LabelFont, 28, 9},
                   {u"Hex Code:", LabelFont, 33, 121},
                   {u"RGB:", LabelFont, 33, 151},
                   {u"Purebasic", CaptionFont, 119, 106},
                   {u"Web", CaptionFont, 174, 106}});
    OutlineInputFrames(d, {BackHex, BackRgb});
    DrawLabels(d, {{u"Font Hex Code:", LabelFont, 33, 266},
                   {u"RGB:", LabelFont, 33, 296},
                   {u"Purebasic", CaptionFont, 119, 251},
                   {u"Web", CaptionFont, 174, 251}});
    OutlineInputFrames(d, {FontHex, FontRgb});
    d.Fill(284, 6, 103, 20, Palette.PanelBackColor);  // behind the always-on-top switch
}

// A converter panel: one input frame inside a group frame, a heading on the
// frame's top edge and a hint under the field.
struct ConverterPanel {
    int gadget;
    Box input, group;
    Label heading, hint;
};

void PaintConverterPanel(const ConverterPanel& p) {
    tk::Drawing d = tk::Drawing::OnCanvas(p.gadget);
    if (!d) return;
    BeginPanel(d);
    FillInputFrames(d, {p.input});
    d.Outline(p.group.x, p.group.y, p.group.w, p.group.h, Palette.PanelFrameColor);
    DrawLabels(d, {p.heading, p.hint});
    OutlineInputFrames(d, {p.input});
}

void PaintWebPanel() {
    PaintConverterPanel(
        {WebPanel,
         {232, 44, 148, 22},
         {15, 21, 384, 90},
         {u"  Convert Web Color from HEX to RGB or RGB to HEX   ", LabelFont, 28, 14},
         {u"Paste Hex, RGB, RGBa Color:", LabelFont, 234, 74}});
}

void PaintPbPanel() {
    PaintConverterPanel({PbPanel,
                         {232, 37, 148, 22},
                         {15, 13, 384, 90},
                         {u"  Convert PureBasic Color to RGB   ", LabelFont, 28, 7},
                         {u"Paste PureBasic Color:", LabelFont, 234, 67}});
}

void PaintPickerPanel() {
    tk::Drawing d = tk::Drawing::OnCanvas(PickerPanel);
    if (!d) return;
    constexpr Box Input{233, 60, 146, 22};
    BeginPanel(d);
    FillInputFrames(d, {Input});
    d.Outline(15, 8, 384, 90, Palette.PanelFrameColor);
    OutlineInputFrames(d, {Input});
    // "Web" twice: the caption above the rgb button reads so.
    DrawLabels(d, {{u"Purebasic", CaptionFont, 234, 15},
                   {u"Web", CaptionFont, 286, 15},
                   {u"Web", CaptionFont, 336, 15}});
    d.Fill(28, -3, 90, 20, Palette.PanelBackColor);  // behind the picker switch
}

void PaintPickSwatch() {
    tk::Drawing d = tk::Drawing::OnCanvas(PickSwatch);
    if (!d) return;
    d.Fill(0, 0, d.Width(), d.Height(), Palette.PanelBackColor);
    d.Outline(0, 0, d.Width(), d.Height(), Palette.SwatchFrameColor);
}

void PaintFooter() {
    tk::Drawing d = tk::Drawing::OnCanvas(Footer);
    if (!d) return;
    const int w = d.Width();
    const int h = d.Height();
    d.HorizontalGradient(0, 0, w, h, Palette.FooterLeftColor, Palette.FooterRightColor);
    d.Line(0, 0, w, 0, 0);  // black in both looks
    d.SetFont(tk::FontID(FooterFont));
    d.TransparentText((w - d.TextWidth(FooterText)) / 2,
                      (34 - d.TextHeight(FooterText)) / 2 + (h - 34), FooterText,
                      Palette.FooterTextColor);
}

struct Surface {
    int gadget;
    void (*paint)();
};

constexpr Surface Surfaces[] = {
    {TitleBar, PaintTitleBar}, {ComparePanel, PaintComparePanel}, {WebPanel, PaintWebPanel},
    {PbPanel, PaintPbPanel},   {PickerPanel, PaintPickerPanel},   {PickSwatch, PaintPickSwatch},
    {Footer, PaintFooter},
};

}  // namespace

bool PaintSurface(int gadget) {
    for (const Surface& s : Surfaces)
        if (s.gadget == gadget) {
            s.paint();
            return true;
        }
    return false;
}

void PaintAllSurfaces() {
    for (const Surface& s : Surfaces)
        s.paint();
}
