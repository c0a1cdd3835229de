// The button following the mouse, the look it draws, and the click test.
#include <vector>

#include "button_window.h"

namespace {

using tk::core::PointerAction;

constexpr ColorValue NormalLook = 0x000011;
constexpr ColorValue HoverLook = 0x000022;
constexpr ColorValue PressedLook = 0x000033;

int repaints = 0;
int CountingPaint(CanvasButton* b) {
    ++repaints;
    return PaintTextButton(b);
}

class ButtonEventsTest : public ButtonTest {
  protected:
    void SetUp() override {
        ButtonTest::SetUp();
        SetButtonColors(Button, 0, NormalLook, 0, 0, HoverLook, 0, 0, PressedLook, 0);
        record->drawHook = CountingPaint;
        repaints = 0;
    }
    static void Send(int type) {
        tk::detail::Dispatch({tk::EventKind::Gadget, Win, Button, type, 0});
    }
    // The fill, away from the caption and the outline.
    static ColorValue Fill() { return Pixel(4, 4); }
};

TEST_F(ButtonEventsTest, HoverAndPressedFollowTheMouseAndSelectTheLook) {
    struct Row {
        int hover, pressed, event, hoverAfter, pressedAfter;
        ColorValue look;
    };
    const Row rows[] = {
        {0, 0, tk::MouseEnter, 1, 0, HoverLook},   {1, 0, tk::LeftButtonDown, 1, 1, PressedLook},
        {1, 1, tk::LeftButtonUp, 1, 0, HoverLook}, {1, 1, tk::MouseLeave, 0, 1, NormalLook},
        {0, 1, tk::MouseEnter, 1, 1, PressedLook}, {0, 1, tk::LeftButtonUp, 0, 0, NormalLook},
        {1, 0, tk::MouseLeave, 0, 0, NormalLook},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.event);
        record->hover = r.hover;
        record->pressed = r.pressed;
        record->state = 0;
        const int before = repaints;
        Send(r.event);
        EXPECT_EQ(record->hover, r.hoverAfter);
        EXPECT_EQ(record->pressed, r.pressedAfter);
        EXPECT_EQ(record->state, r.event == tk::LeftButtonDown ? 1 : 0);
        EXPECT_EQ(repaints, before + 1);
        EXPECT_EQ(Fill(), r.look);
    }
}

TEST_F(ButtonEventsTest, AToggleLookBitWithTheStateSetDrawsPressedInEveryRow) {
    for (std::uint32_t bit : {0x1u, 0x2u, 0x1000u}) {
        record->flags = bit;
        record->state = 1;
        for (int event : {tk::MouseEnter, tk::MouseLeave, tk::LeftButtonUp}) {
            Send(event);
            EXPECT_EQ(Fill(), PressedLook) << bit << " " << event;
        }
        Send(tk::MouseEnter);
        EXPECT_EQ(Fill(), PressedLook) << bit;
        Send(tk::LeftButtonDown);  // the press clears the state
        Send(tk::LeftButtonUp);
        EXPECT_EQ(Fill(), HoverLook) << bit;
        Send(tk::MouseLeave);
        EXPECT_EQ(Fill(), NormalLook) << bit;
    }
    record->flags = AlignLeft | WordWrap;  // no toggle bit
    record->state = 1;
    Send(tk::MouseLeave);
    EXPECT_EQ(Fill(), NormalLook);
}

TEST_F(ButtonEventsTest, OtherEventsChangeNothingAndDoNotRepaint) {
    for (int event : {tk::RightButtonDown, tk::RightButtonUp, tk::MouseMove, tk::MiddleButtonDown,
                      tk::LeftDoubleClick, tk::MouseWheel})
        Send(event);
    EXPECT_EQ(repaints, 0);
    EXPECT_EQ(record->hover, 0);
    EXPECT_EQ(record->state, 0);
}

TEST_F(ButtonEventsTest, ThePictureIsFillOutlineAndCaption) {
    SetButtonColors(Button, 0xFFFFFF, NormalLook, 0x0000FF, 0, HoverLook, 0, 0, PressedLook, 0);
    EXPECT_EQ(Pixel(0, 0), 0x0000FF);
    EXPECT_EQ(Pixel(Width - 1, Height - 1), 0x0000FF);
    EXPECT_EQ(Pixel(Width / 2, 0), 0x0000FF);
    EXPECT_EQ(Pixel(1, 1), NormalLook);
    int caption = 0;
    for (int y = 1; y < Height - 1; ++y)
        for (int x = 1; x < Width - 1; ++x)
            caption += Pixel(x, y) != NormalLook;
    EXPECT_GT(caption, 20);

    tk::SetGadgetText(Button, u"");
    caption = 0;
    for (int y = 1; y < Height - 1; ++y)
        for (int x = 1; x < Width - 1; ++x)
            caption += Pixel(x, y) != NormalLook;
    EXPECT_EQ(caption, 0);
}

std::vector<int> clicks;
void RecordClick() {
    if (tk::CurrentEvent().type == tk::LeftButtonUp ||
        tk::CurrentEvent().type == tk::LeftButtonDown)
        clicks.push_back(WasClicked());
}

TEST_F(ButtonEventsTest, WasClickedCountsReleasesWithinBothInclusiveBounds) {
    tk::BindGadgetEvent(Button, RecordClick);
    struct Case {
        int x, y, clicked;
    };
    const Case cases[] = {
        {-1, 5, 0}, {0, 5, 1}, {Width, 5, 1},  {Width + 1, 5, 0},
        {5, -1, 0}, {5, 0, 1}, {5, Height, 1}, {5, Height + 1, 0},
    };
    for (const Case& c : cases) {
        clicks.clear();
        Pointer(PointerAction::LeftDown, 5, 5, tk::LeftButtonBit);
        Pointer(PointerAction::LeftUp, c.x, c.y);
        EXPECT_EQ(clicks, (std::vector<int>{0, c.clicked})) << c.x << "," << c.y;
        EXPECT_EQ(record->pressed, 0);
    }
}

TEST_F(ButtonEventsTest, ADoubleClickFlipsTheStateTwiceAndClicksTwice) {
    tk::BindGadgetEvent(Button, RecordClick);
    clicks.clear();
    Pointer(PointerAction::Move, 5, 5);
    Pointer(PointerAction::LeftDown, 5, 5, tk::LeftButtonBit);
    Pointer(PointerAction::LeftUp, 5, 5);
    Pointer(PointerAction::LeftDouble, 5, 5, tk::LeftButtonBit);
    Pointer(PointerAction::LeftUp, 5, 5);
    EXPECT_EQ(clicks, (std::vector<int>{0, 1, 0, 1}));
    EXPECT_EQ(record->state, 0);
    EXPECT_EQ(Fill(), HoverLook);
}

TEST_F(ButtonEventsTest, NoRecordMeansNoClickAndNoChange) {
    DetachButton(tk::FindGadget(Button));
    tk::BindGadgetEvent(Button, RecordClick);
    clicks.clear();
    Pointer(PointerAction::LeftUp, 5, 5);
    EXPECT_EQ(clicks, (std::vector<int>{0}));
}

}  // namespace
