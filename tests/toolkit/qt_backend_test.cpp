// What the Qt backend itself must get right: the platform's own close
// request, topmost without hiding, the window geometry and fonts.
#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QWidget>

#include "test_window.h"

namespace {

QWidget* WidgetOf(tk::NativeHandle h) {
    return reinterpret_cast<QWidget*>(h);
}

class QtBackendTest : public WindowTest {};

TEST_F(QtBackendTest, ThePlatformsCloseRequestBecomesACloseEvent) {
    tk::ShowWindow(Win);
    WidgetOf(tk::WindowHandle(Win))->close();
    EXPECT_EQ(tk::WaitEvent(), tk::EventKind::CloseWindow);
    EXPECT_TRUE(tk::IsWindowVisible(Win));
}

TEST_F(QtBackendTest, TopmostChangesNeitherVisibilityNorGeometry) {
    tk::ShowWindow(Win);
    tk::SetWindowTopmost(Win, true);
    EXPECT_TRUE(tk::IsWindowVisible(Win));
    EXPECT_TRUE(WidgetOf(tk::WindowHandle(Win))->windowFlags() & Qt::WindowStaysOnTopHint);
    tk::SetWindowTopmost(Win, false);
    EXPECT_TRUE(tk::IsWindowVisible(Win));
    EXPECT_FALSE(WidgetOf(tk::WindowHandle(Win))->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(tk::WindowX(Win), 10);
    EXPECT_EQ(tk::WindowY(Win), 20);
    EXPECT_EQ(tk::WindowWidth(Win), 300);
}

TEST_F(QtBackendTest, InnerHeightChangesAloneAndCentringUsesTheScreen) {
    tk::ResizeWindow(Win, tk::Keep, tk::Keep, tk::Keep, 150);
    EXPECT_EQ(tk::WindowY(Win), 20);
    EXPECT_EQ(tk::WindowHeight(Win), 150);
    const tk::Size screen = tk::PrimaryScreenSize();
    tk::NewWindow(2, 0, 0, 100, 50, u"", tk::WindowCentered | tk::WindowHidden);
    EXPECT_EQ(tk::WindowX(2), (screen.width - 100) / 2);
    EXPECT_EQ(tk::WindowY(2), (screen.height - 50) / 2);
    tk::NewWindow(2, 0, 0, 100, screen.height + 1, u"", tk::WindowCentered | tk::WindowHidden);
    EXPECT_EQ(tk::WindowY(2), 0);
    tk::CloseWindow(2);
}

TEST_F(QtBackendTest, ArialResolvesToLiberationSansAtThePixelHeight) {
    const auto handle = tk::LoadFont(1, u"Arial", 11, tk::FontHighQuality);
    const QFont& font = *reinterpret_cast<const QFont*>(handle);
    EXPECT_EQ(QFontInfo(font).family(), "Liberation Sans");
    EXPECT_EQ(font.pixelSize(), tk::PixelHeightForPoints(11, 96));
    tk::LoadFont(2, u"Microsoft Sans Serif", 9, tk::FontHighQuality);
    EXPECT_EQ(QFontInfo(*reinterpret_cast<const QFont*>(tk::FontID(2))).family(),
              "Liberation Sans");
    tk::FreeFont(1);
    tk::FreeFont(2);
}

TEST_F(QtBackendTest, FieldSelectionIsPostedAndAnchoredAtTheEnd) {
    tk::ShowWindow(Win);
    tk::NewStringField(5, 0, 0, 100, 19, u"rgb(1,2,3)");
    auto* edit = static_cast<QLineEdit*>(WidgetOf(tk::GadgetHandle(5)));
    tk::PostFieldSelection(5, 10, 0);
    EXPECT_FALSE(edit->hasSelectedText());
    QApplication::processEvents();
    EXPECT_EQ(edit->selectedText(), "rgb(1,2,3)");
    EXPECT_EQ(edit->cursorPosition(), 0);
}

int checkEvents = 0;
void OnCheck() {
    if (tk::CurrentEvent().type == tk::CheckChange) ++checkEvents;
}

TEST_F(QtBackendTest, CheckBoxesRaiseEventsForTheUsersChangesOnly) {
    tk::ShowWindow(Win);
    tk::NewCheckBox(6, 0, 0, 20, 19, u" ");
    tk::BindGadgetEvent(6, OnCheck);
    checkEvents = 0;
    tk::SetGadgetState(6, 1);
    tk::SetGadgetState(6, 0);
    EXPECT_EQ(checkEvents, 0);
    static_cast<QCheckBox*>(WidgetOf(tk::GadgetHandle(6)))->click();  // as a user's click
    EXPECT_EQ(checkEvents, 1);
    EXPECT_EQ(tk::GetGadgetState(6), 1);
}

}  // namespace
