// The screen picker over a fake screen: ticks driven directly, presses
// handed to the observer as the platform would.
#include <QAbstractButton>

#include "picker/screen_picker.h"
#include "tests/app/main_window_fixture.h"

namespace {

using tk::ObservedButton;

// A screen whose every pixel is a function of its place, unless set.
struct FakeScreen {
    ColorValue fill = 0;
    std::map<std::pair<int, int>, ColorValue> set;
    tk::Point pointer{640, 512};
    ColorValue At(int x, int y) const {
        auto it = set.find({x, y});
        return it != set.end() ? it->second : fill;
    }
};

class ScreenPickerTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        LastSampledColor = 0;
        auto& s = tk::SystemServices();
        s.pointerPosition = [this] { return screen.pointer; };
        s.screenPixel = [this](int x, int y) { return screen.At(x, y); };
        s.grabScreen = [this](const tk::Rect& r) {
            tk::Surface picture(r.width, r.height, 0);
            for (int y = 0; y < r.height; ++y)
                for (int x = 0; x < r.width; ++x)
                    picture.pixels[std::size_t(y) * r.width + x] =
                        tk::PixelFromColor(screen.At(r.x + x, r.y + y));
            return picture;
        };
    }
    static void ClickPickerCheck() {
        static_cast<QAbstractButton*>(Widget(tk::GadgetHandle(PickerCheck)))->click();
    }
    static bool Armed() { return tk::GetGadgetState(PickerCheck) != 0; }
    static bool Running() { return tk::IsWindowTimerRunning(MainWindow, PickerTimer); }
    static bool Magnifying() { return tk::IsWindowVisible(MagnifierWindow); }
    static bool PanelsShown() {
        return !tk::IsGadgetHidden(WebPanel) && !tk::IsGadgetHidden(PbPanel);
    }
    static void Press(ObservedButton button, bool withPosition = true, tk::Point at = {5, 5}) {
        PickerMouseHook({button, withPosition, at});
    }

    tk::ScopedServices services;
    FakeScreen screen;
};

TEST_F(ScreenPickerTest, TheThreeStatesAndTheirTransitions) {
    EXPECT_FALSE(Armed() || Running() || Magnifying());
    Press(ObservedButton::Middle);  // idle: nothing
    EXPECT_FALSE(Magnifying());

    ClickPickerCheck();
    EXPECT_TRUE(Armed() && Running());
    EXPECT_FALSE(Magnifying());

    Press(ObservedButton::Middle);
    EXPECT_TRUE(Magnifying());
    EXPECT_FALSE(PanelsShown());
    EXPECT_EQ(tk::WindowX(MagnifierWindow), tk::WindowX(MainWindow) + 107);
    EXPECT_EQ(tk::WindowY(MagnifierWindow), tk::WindowY(MainWindow) + 404 + 18);
    EXPECT_EQ(tk::WindowWidth(MagnifierWindow), 202);
    Press(ObservedButton::Middle);
    EXPECT_FALSE(Magnifying());
    EXPECT_TRUE(PanelsShown());

    Press(ObservedButton::Middle);
    ClickPickerCheck();  // unchecked by the user (the keyboard does the same)
    EXPECT_FALSE(Armed() || Running() || Magnifying());
    EXPECT_TRUE(PanelsShown());
}

TEST_F(ScreenPickerTest, TheMagnifierStandsWhereTheWebPanelIsWhenFolded) {
    Pointer(CollapseToggle, tk::core::PointerAction::LeftDown, 5, 5, tk::LeftButtonBit);
    ClickPickerCheck();
    Press(ObservedButton::Middle);
    EXPECT_EQ(tk::WindowY(MagnifierWindow), tk::WindowY(MainWindow) + 59 + 18);
}

TEST_F(ScreenPickerTest, TicksWriteOnlyChangedColours) {
    ClickPickerCheck();
    screen.fill = 0;  // black first: the same as the start value
    OnPickerTick();
    EXPECT_EQ(tk::GetGadgetText(PickField), u"");
    EXPECT_EQ(Pixel(PickSwatch, 5, 5), Palette.PanelBackColor);

    screen.fill = MakeColor(26, 43, 60);
    OnPickerTick();
    EXPECT_EQ(tk::GetGadgetText(PickField), u"rgb(26,43,60)");
    EXPECT_EQ(LastSampledColor, MakeColor(26, 43, 60));
    EXPECT_EQ(Pixel(PickSwatch, 1, 1), MakeColor(26, 43, 60));
    EXPECT_EQ(Pixel(PickSwatch, 182, 53), MakeColor(26, 43, 60));
    EXPECT_EQ(Pixel(PickSwatch, 0, 0), Palette.SwatchFrameColor);  // the frame stays

    tk::SetGadgetText(PickField, u"#1A2B3C");  // rewritten in the meantime
    OnPickerTick();
    EXPECT_EQ(tk::GetGadgetText(PickField), u"#1A2B3C");
    screen.fill = -1;  // an unreadable pixel reads white
    OnPickerTick();
    EXPECT_EQ(tk::GetGadgetText(PickField), u"rgb(255,255,255)");
}

TEST_F(ScreenPickerTest, ALeftPressPicksDisarmsAndLeavesTheSwatch) {
    ClickPickerCheck();
    screen.fill = MakeColor(26, 43, 60);
    OnPickerTick();
    screen.set[{5, 5}] = MakeColor(255, 0, 0);
    Press(ObservedButton::Middle);
    Press(ObservedButton::Left, true, {5, 5});
    EXPECT_EQ(tk::GetGadgetText(PickField), u"rgb(255,0,0)");
    EXPECT_FALSE(Armed() || Running() || Magnifying());
    EXPECT_TRUE(PanelsShown());
    EXPECT_EQ(Pixel(PickSwatch, 5, 5), MakeColor(26, 43, 60));
    EXPECT_EQ(LastSampledColor, MakeColor(26, 43, 60));

    Press(ObservedButton::Left, true, {9, 9});  // disarmed: nothing
    EXPECT_EQ(tk::GetGadgetText(PickField), u"rgb(255,0,0)");
    ClickPickerCheck();
    Press(ObservedButton::Left, false);
    EXPECT_EQ(tk::GetGadgetText(PickField), u"rgb(0,0,0)");
}

TEST_F(ScreenPickerTest, TheMagnifierShowsTwentyFivePixelsInBlocksOfEightWithTwoRings) {
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 25; ++x)
            screen.set[{300 - 12 + x, 200 - 12 + y}] = MakeColor(x * 10, y * 10, 77);
    screen.pointer = {300, 200};
    ClickPickerCheck();
    Press(ObservedButton::Middle);
    OnPickerTick();
    const tk::Surface* picture = tk::FindGadget(MagnifierImage)->surface.get();
    ASSERT_NE(picture, nullptr);
    ASSERT_EQ(picture->width, 200);
    struct Case {
        int x, y;
        ColorValue color;
    };
    const Case cases[] = {
        {0, 0, MakeColor(0, 0, 77)},
        {7, 7, MakeColor(0, 0, 77)},
        {8, 0, MakeColor(10, 0, 77)},
        {199, 199, MakeColor(240, 240, 77)},
        {192, 8, MakeColor(240, 10, 77)},
        {97, 97, MakeColor(120, 120, 77)},
        {102, 102, MakeColor(120, 120, 77)},
        {96, 96, 0},
        {103, 100, 0},
        {95, 95, 0xFFFFFF},
        {104, 104, 0xFFFFFF},
        {94, 94, MakeColor(110, 110, 77)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(tk::PixelAt(*picture, c.x, c.y), c.color) << c.x << "," << c.y;
}

TEST_F(ScreenPickerTest, CaptureMagnifiedFillsTheImageAnewEachTime) {
    screen.fill = MakeColor(1, 2, 3);
    const tk::ImageHandle first = CaptureMagnified(MagnifierBitmap, 0, 0, 200, 200, 8);
    ASSERT_NE(first, 0);
    EXPECT_EQ(tk::ImageCount(), 3);  // with the two arrow images
    const tk::ImageHandle second = CaptureMagnified(MagnifierBitmap, 0, 0, 40, 30, 4);
    EXPECT_EQ(tk::ImageCount(), 3);
    EXPECT_EQ(tk::ImageWidth(MagnifierBitmap), 40);
    EXPECT_EQ(tk::PixelAt(*tk::ImageSurface(second), 39, 29), MakeColor(1, 2, 3));
    EXPECT_EQ(tk::PixelAt(*tk::ImageSurface(second), 16, 11), 0);  // the inner ring
}

}  // namespace
