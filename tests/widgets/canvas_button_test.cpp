// The record, the registry and the twelve operations the button answers.
#include "button_window.h"

namespace {

int repaints = 0;
int CountRepaint(CanvasButton*) {
    return ++repaints;
}

class CanvasButtonTest : public ButtonTest {
  protected:
    void SetUp() override {
        ButtonTest::SetUp();
        record->drawHook = CountRepaint;
        repaints = 0;
    }
};

TEST_F(CanvasButtonTest, CreationFillsTheRecord) {
    EXPECT_EQ(record->gadget, Button);
    EXPECT_EQ(record->kind, TextButton);
    EXPECT_EQ(record->caption, u"Convert Color");
    EXPECT_EQ(record->width, Width);
    EXPECT_EQ(record->height, Height);
    EXPECT_EQ(record->eventHandler, OnButtonEvent);
    EXPECT_EQ(record->originalOps, tk::CanvasOps());
    EXPECT_EQ(tk::FindGadget(Button)->ops, &record->ops);
    EXPECT_EQ(record->ops.kind, tk::GadgetKind::Canvas);  // still reports itself a canvas
    EXPECT_EQ(record->font, tk::DefaultFont());
    EXPECT_EQ(ButtonRegistry.count(ButtonKey(tk::GadgetHandle(Button))), 1u);
}

TEST_F(CanvasButtonTest, ColourSlotsHoldTheirDefaultsAndOnlyOneToTwelveExist) {
    const std::pair<int, ColorValue> slots[] = {
        {0, -1},        {1, 0},        {2, 15592941}, {3, 7171437}, {4, 0},
        {6, 0},         {7, 0},        {8, 16645629}, {9, 7171437}, {10, 0},
        {11, 13487565}, {12, 7171437}, {13, -1},      {-5, -1},
    };
    for (const auto& [slot, color] : slots)
        EXPECT_EQ(tk::GetGadgetColor(Button, slot), color) << slot;

    tk::SetGadgetColor(Button, 13, 123);
    tk::SetGadgetColor(Button, 0, 123);
    EXPECT_EQ(repaints, 0);
    tk::SetGadgetColor(Button, 5, 123);  // stored, never drawn, still repaints
    EXPECT_EQ(tk::GetGadgetColor(Button, 5), 123);
    EXPECT_EQ(repaints, 1);
}

TEST_F(CanvasButtonTest, StateIsOneForAnyNonZeroValue) {
    const std::pair<int, int> cases[] = {{5, 1}, {0, 0}, {-1, 1}, {1, 1}};
    for (const auto& [given, kept] : cases) {
        tk::SetGadgetState(Button, given);
        EXPECT_EQ(record->state, kept) << given;
        EXPECT_EQ(tk::GetGadgetState(Button), kept);
    }
    EXPECT_EQ(repaints, 4);
}

TEST_F(CanvasButtonTest, TextAndFontOperations) {
    tk::SetGadgetText(Button, u"");
    EXPECT_EQ(tk::GetGadgetText(Button), u"");
    tk::SetGadgetText(Button, u"Preview");
    EXPECT_EQ(record->caption, u"Preview");
    EXPECT_EQ(repaints, 2);

    const tk::FontHandle font = tk::LoadFont(1, u"Arial", 11, tk::FontHighQuality);
    tk::SetGadgetFont(Button, font);
    tk::SetGadgetFont(Button, 0);  // ignored
    EXPECT_EQ(tk::GetGadgetFont(Button), font);
    EXPECT_EQ(repaints, 3);
    tk::FreeFont(1);
}

TEST_F(CanvasButtonTest, ResizeMovesTheCanvasAndKeepsWhatIsMarkedKeep) {
    tk::ResizeGadget(Button, tk::Keep, tk::Keep, tk::Keep, tk::Keep);
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(record->width, Width);
    EXPECT_EQ(record->height, Height);

    tk::ResizeGadget(Button, 3, tk::Keep, 200, tk::Keep);
    EXPECT_EQ(repaints, 2);
    EXPECT_EQ(record->width, 200);
    EXPECT_EQ(record->height, Height);
    EXPECT_EQ(tk::GadgetX(Button), 3);  // the canvas's own resize ran
    EXPECT_EQ(tk::GadgetWidth(Button), 200);
    EXPECT_EQ(tk::Drawing::OnCanvas(Button).Width(), 200);
}

int attributeX = -99;
void ReadAttributes() {
    attributeX =
        static_cast<int>(tk::GetGadgetAttribute(tk::CurrentEvent().gadget, tk::CanvasMouseX));
}

TEST_F(CanvasButtonTest, AttributesBelow1024AreTheCanvasesAndAboveAreTheButtons) {
    tk::BindGadgetEvent(Button, ReadAttributes);
    Pointer(tk::core::PointerAction::Move, 17, 9);
    EXPECT_EQ(attributeX, 17);
    EXPECT_EQ(tk::GetGadgetAttribute(Button, 1024), 0);
    EXPECT_EQ(tk::GetGadgetAttribute(Button, 5000), 0);

    tk::SetGadgetAttribute(Button, tk::CanvasCursor, tk::IBeamCursor);
    EXPECT_EQ(tk::GetGadgetAttribute(Button, tk::CanvasCursor), tk::IBeamCursor);
    const int before = repaints;
    tk::SetGadgetAttribute(Button, 1024, 7);  // stores nothing, repaints
    EXPECT_EQ(repaints, before + 1);
}

TEST_F(CanvasButtonTest, SetButtonColorsAppliesNineSlotsAndRepaintsNineTimes) {
    SetButtonColors(Button, 1, 2, 3, 7, 8, 9, 10, 11, 12);
    EXPECT_EQ(repaints, 9);
    for (int slot : {1, 2, 3, 7, 8, 9, 10, 11, 12})
        EXPECT_EQ(tk::GetGadgetColor(Button, slot), slot);
    EXPECT_EQ(tk::GetGadgetColor(Button, 4), 0);  // untouched
}

TEST_F(CanvasButtonTest, AnyNumberButtonsAreRegisteredAndDrawnLikeFixedOnes) {
    const auto number = CreateCanvasButton(tk::AnyNumber, 0, 60, 43, 22, u"$", 0);
    ASSERT_TRUE(tk::IsGadget(static_cast<int>(number)));
    CanvasButton* other = FindButton(static_cast<int>(number));
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->gadget, number);
    EXPECT_EQ(tk::Drawing::OnCanvas(static_cast<int>(number)).PixelAt(5, 5), 15592941);
}

TEST_F(CanvasButtonTest, DetachingRestoresThePlainCanvasAndClosingEmptiesTheRegistry) {
    tk::Gadget* canvas = tk::FindGadget(Button);
    EXPECT_EQ(DetachButton(canvas), 1);
    EXPECT_EQ(DetachButton(canvas), 0);
    EXPECT_EQ(canvas->ops, tk::CanvasOps());
    EXPECT_EQ(tk::GetGadgetColor(Button, 2), -1);  // a plain canvas has no slots
    EXPECT_TRUE(ButtonRegistry.empty());

    CreateCanvasButton(30, 0, 0, 10, 10, u"a", 0);
    CreateCanvasButton(31, 0, 0, 10, 10, u"b", 0);
    EXPECT_EQ(ButtonRegistry.size(), 2u);
    CreateCanvasButton(31, 0, 0, 10, 10, u"c", 0);  // the old record goes with its canvas
    EXPECT_EQ(ButtonRegistry.size(), 2u);
    tk::CloseWindow(Win);
    EXPECT_TRUE(ButtonRegistry.empty());
    tk::NewWindow(Win, 0, 0, 10, 10, u"", tk::WindowHidden);  // for TearDown
}

}  // namespace
