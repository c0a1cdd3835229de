// Canvas pointer input as the backend reports it, turned into events.
#include <string>
#include <vector>

#include "test_window.h"
#include "toolkit/backend.h"

namespace {

using tk::core::PointerAction;

struct Seen {
    int type, x, y, buttons;
    bool operator==(const Seen&) const = default;
};
std::vector<Seen> seen;

void OnCanvas() {
    const int g = tk::CurrentEvent().gadget;
    seen.push_back({tk::CurrentEvent().type, int(tk::GetGadgetAttribute(g, tk::CanvasMouseX)),
                    int(tk::GetGadgetAttribute(g, tk::CanvasMouseY)),
                    int(tk::GetGadgetAttribute(g, tk::CanvasButtons))});
}

class CanvasInputTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        seen.clear();
        tk::NewCanvas(4, 10, 10, 40, 30);
        tk::BindGadgetEvent(4, OnCanvas);
    }
    static void Do(PointerAction a, int x, int y, int buttons = 0) {
        tk::core::CanvasPointerEvent(tk::GadgetHandle(4), a, x, y, buttons);
    }
    std::vector<int> Types() const {
        std::vector<int> types;
        for (const Seen& s : seen)
            types.push_back(s.type);
        return types;
    }
};

TEST_F(CanvasInputTest, EnterIsTheFirstMoveAndEveryEventCarriesItsPosition) {
    Do(PointerAction::Move, 3, 4);
    Do(PointerAction::Move, 5, 6);
    Do(PointerAction::LeftDown, 5, 6, tk::LeftButtonBit);
    Do(PointerAction::LeftUp, 7, 8);
    Do(PointerAction::Leave, 41, 8);
    const std::vector<Seen> expected = {{tk::MouseEnter, 3, 4, 0},
                                        {tk::MouseMove, 5, 6, 0},
                                        {tk::LeftButtonDown, 5, 6, tk::LeftButtonBit},
                                        {tk::LeftButtonUp, 7, 8, 0},
                                        {tk::MouseLeave, 41, 8, 0}};
    EXPECT_EQ(seen, expected);
}

TEST_F(CanvasInputTest, ALeftPressCapturesUntilReleaseOutside) {
    Do(PointerAction::Move, 3, 4);
    Do(PointerAction::LeftDown, 3, 4, tk::LeftButtonBit);
    Do(PointerAction::Move, -5, 4, tk::LeftButtonBit);  // leaves, still reported
    Do(PointerAction::Move, -9, 4, tk::LeftButtonBit);
    Do(PointerAction::Leave, -9, 4, tk::LeftButtonBit);  // ignored while captured
    Do(PointerAction::Move, 2, 2, tk::LeftButtonBit);    // back in
    Do(PointerAction::Move, 50, 2, tk::LeftButtonBit);
    Do(PointerAction::LeftUp, 50, 2);
    Do(PointerAction::Move, 60, 2);  // no capture: nothing arrives from outside
    const std::vector<int> expected = {tk::MouseEnter, tk::LeftButtonDown, tk::MouseLeave,
                                       tk::MouseMove,  tk::MouseMove,      tk::MouseEnter,
                                       tk::MouseLeave, tk::MouseMove,      tk::LeftButtonUp};
    EXPECT_EQ(Types(), expected);
    EXPECT_EQ(seen.back().x, 50);
}

TEST_F(CanvasInputTest, AReleaseOutsideWithoutAMoveStillEndsWithALeave) {
    Do(PointerAction::Move, 3, 4);
    Do(PointerAction::LeftDown, 3, 4, tk::LeftButtonBit);
    Do(PointerAction::LeftUp, 100, 100);
    EXPECT_EQ(Types(), (std::vector<int>{tk::MouseEnter, tk::LeftButtonDown, tk::LeftButtonUp,
                                         tk::MouseLeave}));
}

TEST_F(CanvasInputTest, DoubleClicksArriveAsASecondPress) {
    Do(PointerAction::Move, 3, 4);
    Do(PointerAction::LeftDown, 3, 4, tk::LeftButtonBit);
    Do(PointerAction::LeftUp, 3, 4);
    Do(PointerAction::LeftDouble, 3, 4, tk::LeftButtonBit);
    Do(PointerAction::LeftUp, 3, 4);
    Do(PointerAction::RightDouble, 3, 4, tk::RightButtonBit);
    const std::vector<int> expected = {tk::MouseEnter,      tk::LeftButtonDown,  tk::LeftButtonUp,
                                       tk::LeftButtonDown,  tk::LeftDoubleClick, tk::LeftButtonUp,
                                       tk::RightButtonDown, tk::RightDoubleClick};
    EXPECT_EQ(Types(), expected);
}

TEST_F(CanvasInputTest, AttributesStayReadableAfterTheEventAndCursorIsAnAttribute) {
    Do(PointerAction::Move, 12, 13);
    EXPECT_EQ(tk::GetGadgetAttribute(4, tk::CanvasMouseX), 12);
    EXPECT_EQ(tk::GetGadgetAttribute(4, tk::CanvasMouseY), 13);
    EXPECT_EQ(tk::GetGadgetAttribute(4, tk::CanvasCursor), tk::ArrowCursor);
    tk::SetGadgetAttribute(4, tk::CanvasCursor, tk::IBeamCursor);
    EXPECT_EQ(tk::GetGadgetAttribute(4, tk::CanvasCursor), tk::IBeamCursor);
}

}  // namespace
