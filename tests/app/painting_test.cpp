// Every hand-drawn surface probed pixel by pixel, in both looks.
#include <QPalette>

#include "tests/app/main_window_fixture.h"

namespace {

using tk::core::PointerAction;

constexpr int StripCentre = 414 / 2;

class PaintingTest : public MainWindowFixture, public ::testing::WithParamInterface<int> {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        if (GetParam() == 1) ToggleLook();
        tk::detail::DispatchPostedEvents();  // the close button's resting look
    }
    static void ToggleLook() {
        Pointer(TitleBar, PointerAction::RightDown, 50, 10, tk::RightButtonBit);
    }
};

struct Probe {
    int gadget, x, y;
    ColorValue ThemePalette::*role;
};

TEST_P(PaintingTest, EverySurfaceShowsItsRoles) {
    ASSERT_EQ(CurrentTheme, GetParam());
    const Probe probes[] = {
        {TitleBar, 2, 2, &ThemePalette::TitleBackColor},
        {CloseButton, 2, 2, &ThemePalette::CloseBackColor},
        {CloseButton, 21, 29, &ThemePalette::CloseGlyphColor},
        {CloseButton, 40, 29, &ThemePalette::CloseGlyphColor},
        {CollapseToggle, 5, 0, &ThemePalette::FrameColor},
        {CollapseToggle, 5, 8, &ThemePalette::ArrowBackColor},
        {CollapseToggle, StripCentre, 5, &ThemePalette::LargeButtonTextColor},
        {CollapseToggle, StripCentre + 8, 14, &ThemePalette::LargeButtonTextColor},
        {ComparePanel, 2, 2, &ThemePalette::PanelBackColor},
        {ComparePanel, 15, 100, &ThemePalette::PanelFrameColor},
        {ComparePanel, 300, 16, &ThemePalette::PanelBackColor},  // the patch behind the switch
        {ComparePanel, 232, 118, &ThemePalette::FieldFrameColor},
        {ComparePanel, 379, 313, &ThemePalette::FieldFrameColor},
        {ComparePanel, 233, 119, &ThemePalette::FieldBackColor},
        {WebPanel, 15, 50, &ThemePalette::PanelFrameColor},
        {WebPanel, 232, 44, &ThemePalette::FieldFrameColor},
        {PbPanel, 398, 102, &ThemePalette::PanelFrameColor},
        {PbPanel, 232, 37, &ThemePalette::FieldFrameColor},
        {PickerPanel, 120, 8, &ThemePalette::PanelFrameColor},
        {PickerPanel, 30, 8, &ThemePalette::PanelBackColor},  // the patch behind the picker switch
        {PickerPanel, 233, 60, &ThemePalette::FieldFrameColor},
        {PickSwatch, 0, 0, &ThemePalette::SwatchFrameColor},
        {PickSwatch, 183, 54, &ThemePalette::SwatchFrameColor},
        {PickSwatch, 5, 5, &ThemePalette::PanelBackColor},
        {Footer, 0, 5, &ThemePalette::FooterLeftColor},
        {Footer, 413, 5, &ThemePalette::FooterRightColor},
        {BackPbCodeButton, 2, 2, &ThemePalette::SmallButtonBackColor},
        {PickRgbButton, 0, 0, &ThemePalette::SmallButtonBorderColor},
        {FontColorButton, 2, 2, &ThemePalette::LargeButtonBackColor},
        {PbConvertButton, 0, 0, &ThemePalette::LargeButtonBorderColor},
    };
    for (const Probe& p : probes)
        EXPECT_EQ(Pixel(p.gadget, p.x, p.y), Palette.*p.role)
            << "gadget " << p.gadget << " at " << p.x << "," << p.y;
    for (int x : {0, 200, 413})
        EXPECT_EQ(Pixel(Footer, x, 0), 0) << x;  // black in both looks

    const QWidget* window = Widget(tk::WindowHandle(MainWindow));
    EXPECT_EQ(window->palette().color(QPalette::Window).rgb() & 0xFFFFFF,
              static_cast<QRgb>(tk::PixelFromColor(Palette.FrameColor) & 0xFFFFFF));
    EXPECT_EQ(tk::GetGadgetColor(PickerLabel, tk::TextColorSlot), Palette.PanelTextColor);
    EXPECT_EQ(tk::GetGadgetColor(AlwaysOnTopLabel, tk::BackColorSlot), Palette.PanelBackColor);
    for (int field : {BackHexField, BackRgbField, FontHexField, FontRgbField, WebInputField,
                      PbInputField, PickField}) {
        EXPECT_EQ(tk::GetGadgetColor(field, tk::BackColorSlot), Palette.FieldBackColor);
        EXPECT_EQ(tk::GetGadgetColor(field, tk::TextColorSlot), Palette.FieldTextColor);
    }
    EXPECT_EQ(tk::GetGadgetColor(PickerCheck, tk::BackColorSlot), -1);  // check boxes keep theirs
}

TEST_P(PaintingTest, TextsAreDrawnWhereTheyBelong) {
    auto inked = [](int gadget, int x0, int y0, int x1, int y1, ColorValue back) {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                n += Pixel(gadget, x, y) != back;
        return n;
    };
    EXPECT_GT(inked(TitleBar, 0, 0, 120, 39, Palette.TitleBackColor), 30);
    EXPECT_EQ(inked(TitleBar, 0, 0, 10, 39, Palette.TitleBackColor), 0);  // four blanks first
    EXPECT_GT(inked(ComparePanel, 33, 121, 90, 134, Palette.PanelBackColor), 20);  // Hex Code:
    EXPECT_GT(inked(PbPanel, 234, 67, 340, 80, Palette.PanelBackColor), 20);
    int footerText = 0;  // against the gradient's colour of the same column
    for (int y = 3; y < 33; ++y)
        for (int x = 0; x < 414; ++x)
            footerText += Pixel(Footer, x, y) != Pixel(Footer, x, 2);
    EXPECT_GT(footerText, 20);
    EXPECT_GT(inked(WebConvertButton, 40, 10, 144, 32, Palette.LargeButtonBackColor), 20);
}

TEST_P(PaintingTest, TheCloseButtonHoversAndRests) {
    Pointer(CloseButton, PointerAction::Move, 5, 5);
    EXPECT_EQ(Pixel(CloseButton, 2, 2), Palette.CloseHoverBackColor);
    EXPECT_EQ(Pixel(CloseButton, 30, 20), Palette.CloseHoverGlyphColor);
    Pointer(CloseButton, PointerAction::Leave, 70, 5);
    EXPECT_EQ(Pixel(CloseButton, 2, 2), Palette.CloseBackColor);
}

TEST_P(PaintingTest, AToggleWhileFoldedKeepsTheDownwardChevronInTheNewColours) {
    Pointer(CollapseToggle, PointerAction::LeftDown, 10, 10, tk::LeftButtonBit);
    ToggleLook();
    EXPECT_EQ(CurrentTheme, 1 - GetParam());
    EXPECT_EQ(Pixel(CollapseToggle, StripCentre, 13), Palette.LargeButtonTextColor);
    EXPECT_EQ(Pixel(CollapseToggle, StripCentre, 5), Palette.ArrowBackColor);
    EXPECT_EQ(Pixel(CollapseToggle, StripCentre - 8, 4), Palette.LargeButtonTextColor);
    Pointer(CollapseToggle, PointerAction::LeftDown, 10, 10, tk::LeftButtonBit);
    EXPECT_EQ(Pixel(CollapseToggle, StripCentre, 5), Palette.LargeButtonTextColor);
    EXPECT_EQ(tk::GadgetY(WebPanel), 404);
}

TEST_P(PaintingTest, AToggleBlanksTheSwatchAndResetsTheButtonColours) {
    {
        auto d = tk::Drawing::OnCanvas(PickSwatch);
        d.Fill(1, 1, 182, 53, MakeColor(26, 43, 60));
    }
    tk::SetGadgetText(WebInputField, u"#1A2B3C");
    SetButtonColors(WebConvertButton, 1, 2, 3, 4, 5, 6, 7, 8, 9);
    ToggleLook();
    EXPECT_EQ(Pixel(PickSwatch, 5, 5), Palette.PanelBackColor);
    EXPECT_EQ(Pixel(WebConvertButton, 2, 2), Palette.LargeButtonBackColor);
    EXPECT_EQ(tk::GetGadgetText(WebInputField), u"#1A2B3C");  // texts stay
    EXPECT_TRUE(tk::IsWindowVisible(MainWindow));
}

INSTANTIATE_TEST_SUITE_P(BothLooks, PaintingTest, ::testing::Values(0, 1));

}  // namespace
