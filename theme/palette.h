// The two looks: 25 colour roles each, and the rule that selects one.
#pragma once

#include <cstdint>

#include "color/color_value.h"

// 0 light (the default), 1 dark.
inline std::int32_t CurrentTheme = 0;

// Every colour of the tool's own chrome comes from one of these roles.
struct ThemePalette {
    ColorValue FrameColor;
    ColorValue TitleBackColor;
    ColorValue TitleTextColor;
    ColorValue CloseBackColor;
    ColorValue CloseHoverBackColor;
    ColorValue CloseGlyphColor;
    ColorValue CloseHoverGlyphColor;
    ColorValue PanelBackColor;
    ColorValue PanelTextColor;
    ColorValue PanelFrameColor;
    ColorValue FieldBackColor;
    ColorValue FieldTextColor;
    ColorValue FieldFrameColor;
    ColorValue SmallButtonTextColor;
    ColorValue SmallButtonBackColor;
    ColorValue SmallButtonHoverBackColor;
    ColorValue SmallButtonBorderColor;
    ColorValue LargeButtonTextColor;
    ColorValue LargeButtonBackColor;
    ColorValue LargeButtonBorderColor;
    ColorValue SwatchFrameColor;
    ColorValue FooterLeftColor;
    ColorValue FooterRightColor;
    ColorValue FooterTextColor;
    ColorValue ArrowBackColor;
};

// The roles in force, read by every painter. All 0 until the first selection.
inline ThemePalette Palette{};

// Dark for 1, light for every other value.
void SelectPalette(std::int32_t theme);
