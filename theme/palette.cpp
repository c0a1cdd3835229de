#include "theme/palette.h"

namespace {

constexpr ThemePalette LightPalette = {
    .FrameColor = MakeColor(125, 125, 125),
    .TitleBackColor = MakeColor(255, 255, 255),
    .TitleTextColor = MakeColor(91, 91, 91),
    .CloseBackColor = MakeColor(255, 255, 255),
    .CloseHoverBackColor = MakeColor(255, 165, 0),
    .CloseGlyphColor = MakeColor(91, 91, 91),
    .CloseHoverGlyphColor = MakeColor(91, 91, 91),
    .PanelBackColor = MakeColor(245, 244, 245),
    .PanelTextColor = MakeColor(21, 21, 21),
    .PanelFrameColor = MakeColor(125, 125, 125),
    .FieldBackColor = MakeColor(255, 255, 255),
    .FieldTextColor = MakeColor(21, 21, 21),
    .FieldFrameColor = MakeColor(100, 100, 100),
    .SmallButtonTextColor = MakeColor(72, 72, 72),
    .SmallButtonBackColor = MakeColor(227, 227, 227),
    .SmallButtonHoverBackColor = MakeColor(194, 194, 194),
    .SmallButtonBorderColor = MakeColor(194, 194, 194),
    .LargeButtonTextColor = MakeColor(21, 21, 21),
    .LargeButtonBackColor = MakeColor(227, 227, 227),
    .LargeButtonBorderColor = MakeColor(227, 227, 227),
    .SwatchFrameColor = MakeColor(161, 160, 160),
    .FooterLeftColor = MakeColor(179, 179, 179),
    .FooterRightColor = MakeColor(125, 125, 125),
    .FooterTextColor = MakeColor(90, 90, 90),
    .ArrowBackColor = MakeColor(229, 228, 229),
};

constexpr ThemePalette DarkPalette = {
    .FrameColor = MakeColor(0, 0, 0),
    .TitleBackColor = MakeColor(43, 51, 59),
    .TitleTextColor = MakeColor(230, 230, 230),
    .CloseBackColor = MakeColor(43, 51, 59),
    .CloseHoverBackColor = MakeColor(97, 58, 52),
    .CloseGlyphColor = MakeColor(230, 230, 230),
    .CloseHoverGlyphColor = MakeColor(230, 230, 230),
    .PanelBackColor = MakeColor(31, 31, 31),
    .PanelTextColor = MakeColor(233, 233, 233),
    .PanelFrameColor = MakeColor(51, 51, 51),
    .FieldBackColor = MakeColor(43, 51, 59),
    .FieldTextColor = MakeColor(230, 230, 230),
    .FieldFrameColor = MakeColor(0, 0, 0),
    .SmallButtonTextColor = MakeColor(230, 230, 230),
    .SmallButtonBackColor = MakeColor(127, 127, 127),
    .SmallButtonHoverBackColor = MakeColor(0, 0, 0),
    .SmallButtonBorderColor = MakeColor(0, 0, 0),
    .LargeButtonTextColor = MakeColor(233, 233, 233),
    .LargeButtonBackColor = MakeColor(127, 127, 127),
    .LargeButtonBorderColor = MakeColor(0, 0, 0),
    .SwatchFrameColor = MakeColor(51, 51, 51),
    .FooterLeftColor = MakeColor(43, 51, 59),
    .FooterRightColor = MakeColor(43, 51, 59),
    .FooterTextColor = MakeColor(230, 230, 230),
    .ArrowBackColor = MakeColor(46, 40, 33),
};

}  // namespace

void SelectPalette(std::int32_t theme) {
    Palette = theme == 1 ? DarkPalette : LightPalette;
}
