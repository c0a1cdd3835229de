// The converters through the real window: pointer input on the button, the
// field's text and the button's picture.
#include <QLineEdit>

#include "tests/app/main_window_fixture.h"

namespace {

using tk::core::PointerAction;

class ConvertersTest : public MainWindowFixture {
  protected:
    // Moves in, presses, moves to (x, y) and releases there.
    static void Click(int button, int x = 20, int y = 20) {
        Pointer(button, PointerAction::Move, 20, 20);
        Pointer(button, PointerAction::LeftDown, 20, 20, tk::LeftButtonBit);
        if (x != 20 || y != 20) Pointer(button, PointerAction::Move, x, y, tk::LeftButtonBit);
        Pointer(button, PointerAction::LeftUp, x, y);
    }
    static ColorValue Fill(int button) { return tk::Drawing::OnCanvas(button).PixelAt(3, 3); }
    static ColorValue Border(int button) { return tk::Drawing::OnCanvas(button).PixelAt(0, 0); }
};

TEST_F(ConvertersTest, WebCodeBecomesRgbaAndTheButtonTakesTheColour) {
    tk::SetGadgetText(WebInputField, u" #1A2B3C ");
    Click(WebConvertButton);
    EXPECT_EQ(tk::GetGadgetText(WebInputField), u"rgba(26,43,60,1.0)");
    EXPECT_EQ(Fill(WebConvertButton), 3943194);
    EXPECT_EQ(Border(WebConvertButton), 3943194);
    for (int slot : {NormalFill, HoverFill, PressedFill, NormalBorder, HoverBorder, PressedBorder})
        EXPECT_EQ(tk::GetGadgetColor(WebConvertButton, slot), 3943194) << slot;
    EXPECT_EQ(tk::GetGadgetColor(WebConvertButton, NormalText), Palette.LargeButtonTextColor);
    EXPECT_EQ(tk::GetGadgetText(WebConvertButton), u"Convert Color");
}

TEST_F(ConvertersTest, ADoubleClickConvertsThereAndBack) {
    tk::SetGadgetText(WebInputField, u"#1a2b3c");
    Pointer(WebConvertButton, PointerAction::Move, 20, 20);
    Pointer(WebConvertButton, PointerAction::LeftDown, 20, 20, tk::LeftButtonBit);
    Pointer(WebConvertButton, PointerAction::LeftUp, 20, 20);
    EXPECT_EQ(tk::GetGadgetText(WebInputField), u"rgba(26,43,60,1.0)");
    Pointer(WebConvertButton, PointerAction::LeftDouble, 20, 20, tk::LeftButtonBit);
    Pointer(WebConvertButton, PointerAction::LeftUp, 20, 20);
    EXPECT_EQ(tk::GetGadgetText(WebInputField), u"#1A2B3C");
    EXPECT_EQ(Fill(WebConvertButton), 3943194);
}

TEST_F(ConvertersTest, APressReleasedOutsideDoesNothing) {
    tk::SetGadgetText(WebInputField, u"#1A2B3C");
    Click(WebConvertButton, 185, 20);  // one past the inclusive right bound
    EXPECT_EQ(tk::GetGadgetText(WebInputField), u"#1A2B3C");
    EXPECT_EQ(Fill(WebConvertButton), Palette.LargeButtonBackColor);
    Click(WebConvertButton, 184, 42);  // the inclusive corner still counts
    EXPECT_EQ(tk::GetGadgetText(WebInputField), u"rgba(26,43,60,1.0)");
}

TEST_F(ConvertersTest, UnknownTextStaysAsItWasButTheFocusLeavesTheField) {
    tk::SetGadgetText(WebInputField, u"  hsl(1,2,3) ");
    tk::SetActiveGadget(WebInputField);
    auto* field = reinterpret_cast<QLineEdit*>(tk::GadgetHandle(WebInputField));
    ASSERT_TRUE(field->hasFocus());
    Click(WebConvertButton);
    EXPECT_EQ(tk::GetGadgetText(WebInputField), u"  hsl(1,2,3) ");
    EXPECT_FALSE(field->hasFocus());
    EXPECT_EQ(Fill(WebConvertButton), Palette.LargeButtonBackColor);  // the look's colours
}

TEST_F(ConvertersTest, PureBasicCodeBecomesPaddedRgb) {
    struct Case {
        std::u16string field, result;
        ColorValue fill;
    };
    const Case cases[] = {
        {u"$3C2B1A", u"rgb( 26, 43, 60)", 3943194},
        {u"$0000ff", u"rgb(255,  0,  0)", 255},
        {u"rgb(255,  0,  0)", u"rgb(255,  0,  0)", 255},  // nothing more to do
        {u" $FFFFFF", u" $FFFFFF", 255},
    };
    for (const Case& c : cases) {
        tk::SetGadgetText(PbInputField, c.field);
        Click(PbConvertButton);
        EXPECT_EQ(tk::GetGadgetText(PbInputField), c.result);
        EXPECT_EQ(Fill(PbConvertButton), c.fill);
    }
}

}  // namespace
