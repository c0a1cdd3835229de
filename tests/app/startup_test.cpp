// The main line: footer text and the loop's end.
#include <gtest/gtest.h>

#include <QWidget>

#include "app/ids.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "toolkit/toolkit.h"
#include "widgets/canvas_button.h"

namespace {

TEST(FooterText, CarriesTheLastTwoDigitsOfTheYear) {
    const std::pair<int, const char16_t*> cases[] = {
        {2024, u"Marrowfield (2k24)"},
        {2100, u"Marrowfield (2k00)"},
        {2009, u"Marrowfield (2k09)"},
        {7, u"Marrowfield (2k7)"},
    };
    for (const auto& [year, text] : cases)
        EXPECT_EQ(MakeFooterText(year), text) << year;
}

int otherEvents = 0;
void CountOther() {
    ++otherEvents;
}

class EventLoopTest : public ::testing::Test {
  protected:
    void SetUp() override {
        CreateButtonRegistry();
        LoadFonts();
        ASSERT_TRUE(BuildMainWindow());
        otherEvents = 0;
    }
    void TearDown() override { tk::CloseWindow(MainWindow); }
};

TEST_F(EventLoopTest, OtherEventsRunTheirHandlersAndOnlyACloseEventEndsTheLoop) {
    tk::BindGadgetEvent(PickSwatch, CountOther);
    for (int i = 0; i < 3; ++i)
        tk::PostEvent({tk::EventKind::Gadget, MainWindow, PickSwatch, tk::MouseMove, 0});
    tk::PostEvent({tk::EventKind::CloseWindow, 0, 0, 0, 0});
    RunEventLoop();
    EXPECT_EQ(otherEvents, 3);
}

TEST_F(EventLoopTest, ASystemCloseRequestOnTheMainWindowEndsTheLoop) {
    reinterpret_cast<QWidget*>(tk::WindowHandle(MainWindow))->close();
    RunEventLoop();
    EXPECT_TRUE(tk::IsWindow(MainWindow));  // the loop ends; the window is not closed by it
}

}  // namespace
