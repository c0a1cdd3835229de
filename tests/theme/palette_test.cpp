// Both palettes, role by role, and the rule that picks one.
#include <gtest/gtest.h>

#include "theme/palette.h"

namespace {

struct Role {
    const char* name;
    ColorValue ThemePalette::*role;
    ColorValue light, dark;
};

// Packed values as the look sheet gives them.
const Role Roles[] = {
    {"FrameColor", &ThemePalette::FrameColor, 8224125, 0},
    {"TitleBackColor", &ThemePalette::TitleBackColor, 16777215, 3879723},
    {"TitleTextColor", &ThemePalette::TitleTextColor, 5987163, 15132390},
    {"CloseBackColor", &ThemePalette::CloseBackColor, 16777215, 3879723},
    {"CloseHoverBackColor", &ThemePalette::CloseHoverBackColor, 42495, 3422817},
    {"CloseGlyphColor", &ThemePalette::CloseGlyphColor, 5987163, 15132390},
    {"CloseHoverGlyphColor", &ThemePalette::CloseHoverGlyphColor, 5987163, 15132390},
    {"PanelBackColor", &ThemePalette::PanelBackColor, 16119029, 2039583},
    {"PanelTextColor", &ThemePalette::PanelTextColor, 1381653, 15329769},
    {"PanelFrameColor", &ThemePalette::PanelFrameColor, 8224125, 3355443},
    {"FieldBackColor", &ThemePalette::FieldBackColor, 16777215, 3879723},
    {"FieldTextColor", &ThemePalette::FieldTextColor, 1381653, 15132390},
    {"FieldFrameColor", &ThemePalette::FieldFrameColor, 6579300, 0},
    {"SmallButtonTextColor", &ThemePalette::SmallButtonTextColor, 4737096, 15132390},
    {"SmallButtonBackColor", &ThemePalette::SmallButtonBackColor, 14935011, 8355711},
    {"SmallButtonHoverBackColor", &ThemePalette::SmallButtonHoverBackColor, 12763842, 0},
    {"SmallButtonBorderColor", &ThemePalette::SmallButtonBorderColor, 12763842, 0},
    {"LargeButtonTextColor", &ThemePalette::LargeButtonTextColor, 1381653, 15329769},
    {"LargeButtonBackColor", &ThemePalette::LargeButtonBackColor, 14935011, 8355711},
    {"LargeButtonBorderColor", &ThemePalette::LargeButtonBorderColor, 14935011, 0},
    {"SwatchFrameColor", &ThemePalette::SwatchFrameColor, 10526881, 3355443},
    {"FooterLeftColor", &ThemePalette::FooterLeftColor, 11776947, 3879723},
    {"FooterRightColor", &ThemePalette::FooterRightColor, 8224125, 3879723},
    {"FooterTextColor", &ThemePalette::FooterTextColor, 5921370, 15132390},
    {"ArrowBackColor", &ThemePalette::ArrowBackColor, 15066341, 2172974},
};

TEST(SelectPalette, SetsAllTwentyFiveRolesOfEitherLook) {
    static_assert(sizeof(ThemePalette) == 25 * sizeof(ColorValue));
    const std::pair<int, bool> themes[] = {
        {1, true}, {0, false}, {2, false}, {-1, false}, {1, true}};
    for (const auto& [theme, dark] : themes) {
        SelectPalette(theme);
        for (const Role& r : Roles)
            EXPECT_EQ(Palette.*r.role, dark ? r.dark : r.light) << r.name << " theme " << theme;
    }
}

}  // namespace
