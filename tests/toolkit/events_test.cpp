// Binding order, posted events and the wait.
#include <string>
#include <vector>

#include "test_window.h"
#include "toolkit/backend.h"

namespace {

std::vector<std::string> order;

template <char Name>
void Record() {
    order.push_back(std::string(1, Name) + ":" + std::to_string(tk::CurrentEvent().type));
}

void Unbinder() {
    order.push_back("unbinder");
    tk::UnbindGadgetEvent(3, Record<'z'>);
}

class EventsTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        order.clear();
        tk::NewCanvas(3, 0, 0, 50, 50);
    }
    static void Send(int type) { tk::detail::Dispatch({tk::EventKind::Gadget, Win, 3, type, 0}); }
};

TEST_F(EventsTest, OneTypeBeforeAllTypesAndLaterBeforeEarlier) {
    tk::BindGadgetEvent(3, Record<'a'>);
    tk::BindGadgetEvent(3, Record<'b'>, tk::LeftButtonDown);
    tk::BindGadgetEvent(3, Record<'c'>);
    tk::BindGadgetEvent(3, Record<'d'>, tk::LeftButtonDown);
    Send(tk::LeftButtonDown);
    Send(tk::LeftButtonUp);
    const std::vector<std::string> expected = {"d:65540", "b:65540", "c:65540",
                                               "a:65540", "c:65541", "a:65541"};
    EXPECT_EQ(order, expected);
}

TEST_F(EventsTest, AHandlerUnboundByAnEarlierOneIsNotCalled) {
    tk::BindGadgetEvent(3, Record<'z'>);
    tk::BindGadgetEvent(3, Unbinder);
    Send(tk::MouseMove);
    Send(tk::MouseMove);
    EXPECT_EQ(order, (std::vector<std::string>{"unbinder", "unbinder"}));
}

TEST_F(EventsTest, FreedGadgetsLoseTheirBindings) {
    tk::BindGadgetEvent(3, Record<'a'>);
    tk::FreeGadget(3);
    tk::NewCanvas(3, 0, 0, 50, 50);
    Send(tk::MouseMove);
    EXPECT_TRUE(order.empty());
}

TEST_F(EventsTest, PostedEventsWaitForTheLoopAndCloseEventsAreReturned) {
    tk::BindGadgetEvent(3, Record<'p'>);
    tk::PostEvent({tk::EventKind::Gadget, Win, 3, tk::MouseLeave, 0});
    tk::PostEvent({tk::EventKind::CloseWindow, 0, 0, 0, 0});
    tk::backend::ProcessEvents(false);
    EXPECT_TRUE(order.empty());  // native pumping does not deliver them
    EXPECT_EQ(tk::WaitEvent(), tk::EventKind::Gadget);
    EXPECT_EQ(order, (std::vector<std::string>{"p:65538"}));
    EXPECT_EQ(tk::WaitEvent(), tk::EventKind::CloseWindow);
    EXPECT_EQ(tk::CurrentEvent().kind, tk::EventKind::None);  // outside of handlers
}

TEST_F(EventsTest, ASystemCloseRequestArrivesAsACloseEventAndTheWindowStays) {
    tk::core::CloseRequest(tk::WindowHandle(Win));
    EXPECT_EQ(tk::WaitEvent(), tk::EventKind::CloseWindow);
    EXPECT_TRUE(tk::IsWindow(Win));
}

int ticks = 0;
void OnTick() {
    if (tk::CurrentEvent().timer == 7) ++ticks;
}

TEST_F(EventsTest, WindowTimersReachTheirBindingUntilRemoved) {
    ticks = 0;
    tk::BindTimerEvent(Win, 7, OnTick);
    tk::AddWindowTimer(Win, 7, 1);
    while (ticks < 3)
        tk::WaitEvent();
    tk::RemoveWindowTimer(Win, 7);
    const int seen = ticks;
    tk::PostEvent({tk::EventKind::Gadget, Win, 3, tk::MouseMove, 0});
    tk::WaitEvent();
    tk::backend::ProcessEvents(false);
    EXPECT_EQ(ticks, seen);
}

}  // namespace
