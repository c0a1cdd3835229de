// The whole window built in-process and checked against the layout.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>

#include <vector>

#include "app/ids.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "toolkit/toolkit.h"
#include "widgets/canvas_button.h"

namespace {

using tk::GadgetKind;

struct Expected {
    int number;
    GadgetKind kind;
    int parent;  // 0: the window itself
    int x, y, w, h;
};

// Window coordinates relative to the parent, from the layout sheet.
const std::vector<Expected> Layout = {
    {FocusSink, GadgetKind::Text, 0, 0, 0, 10, 10},
    {TitleBar, GadgetKind::Canvas, 0, 1, 1, 414, 40},
    {CloseButton, GadgetKind::Canvas, TitleBar, 353, 0, 61, 39},
    {CollapseToggle, GadgetKind::Canvas, 0, 1, 40, 414, 19},
    {ComparePanel, GadgetKind::Canvas, 0, 1, 59, 414, 345},
    {BackPbCodeButton, GadgetKind::Canvas, ComparePanel, 119, 118, 43, 22},
    {BackWebCodeButton, GadgetKind::Canvas, ComparePanel, 174, 118, 43, 22},
    {BackColorButton, GadgetKind::Canvas, ComparePanel, 33, 39, 347, 62},
    {BackHexField, GadgetKind::StringField, ComparePanel, 233, 120, 146, 19},
    {BackRgbField, GadgetKind::StringField, ComparePanel, 233, 149, 146, 19},
    {FontPbCodeButton, GadgetKind::Canvas, ComparePanel, 119, 263, 43, 22},
    {FontWebCodeButton, GadgetKind::Canvas, ComparePanel, 174, 263, 43, 22},
    {FontColorButton, GadgetKind::Canvas, ComparePanel, 33, 184, 347, 62},
    {FontHexField, GadgetKind::StringField, ComparePanel, 233, 265, 146, 19},
    {FontRgbField, GadgetKind::StringField, ComparePanel, 233, 294, 146, 19},
    {AlwaysOnTopCheck, GadgetKind::CheckBox, ComparePanel, 289, 6, 20, 19},
    {AlwaysOnTopLabel, GadgetKind::Text, ComparePanel, 307, 9, 83, 20},
    {WebPanel, GadgetKind::Canvas, 0, 1, 404, 414, 120},
    {WebConvertButton, GadgetKind::Canvas, WebPanel, 33, 44, 184, 42},
    {WebInputField, GadgetKind::StringField, WebPanel, 234, 46, 145, 19},
    {PbPanel, GadgetKind::Canvas, 0, 1, 524, 414, 116},
    {PbConvertButton, GadgetKind::Canvas, PbPanel, 33, 37, 184, 42},
    {PbInputField, GadgetKind::StringField, PbPanel, 234, 39, 145, 19},
    {PickerPanel, GadgetKind::Canvas, 0, 1, 640, 414, 125},
    {PickPbButton, GadgetKind::Canvas, PickerPanel, 234, 28, 43, 22},
    {PickWebButton, GadgetKind::Canvas, PickerPanel, 286, 28, 43, 22},
    {PickRgbButton, GadgetKind::Canvas, PickerPanel, 336, 28, 43, 22},
    {PickSwatch, GadgetKind::Canvas, PickerPanel, 33, 28, 184, 55},
    {PickerCheck, GadgetKind::CheckBox, PickerPanel, 33, -1, 20, 19},
    {PickerLabel, GadgetKind::Text, PickerPanel, 49, 1, 67, 20},
    {PickField, GadgetKind::StringField, PickerPanel, 234, 62, 144, 19},
    {Footer, GadgetKind::Canvas, 0, 1, 765, 414, 34},
};

class MainWindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        CreateButtonRegistry();
        LoadFonts();
        ASSERT_TRUE(BuildMainWindow());
    }
    static void TearDownTestSuite() { tk::CloseWindow(MainWindow); }
};

TEST_F(MainWindowTest, EveryGadgetHasItsNumberKindParentAndPlace) {
    for (const Expected& e : Layout) {
        SCOPED_TRACE(e.number);
        const tk::Gadget* g = tk::FindGadget(e.number);
        ASSERT_NE(g, nullptr);
        EXPECT_EQ(g->kind, e.kind);
        EXPECT_EQ(g->window, MainWindow);
        EXPECT_EQ(g->parent, e.parent ? tk::GadgetHandle(e.parent) : tk::WindowHandle(MainWindow));
        EXPECT_EQ(tk::GadgetX(e.number), e.x);
        EXPECT_EQ(tk::GadgetY(e.number), e.y);
        EXPECT_EQ(tk::GadgetWidth(e.number), e.w);
        EXPECT_EQ(tk::GadgetHeight(e.number), e.h);
    }
    EXPECT_FALSE(tk::IsGadget(1));
    const tk::Gadget* image = tk::FindGadget(MagnifierImage);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->kind, GadgetKind::Image);
    EXPECT_EQ(image->window, MagnifierWindow);
    EXPECT_EQ(tk::GadgetX(MagnifierImage), 1);
    EXPECT_EQ(tk::GadgetWidth(MagnifierImage), 200);
}

TEST_F(MainWindowTest, TheElevenButtonsAreCanvasButtonsWithCaptionsAndFonts) {
    struct Button {
        int number;
        const char16_t* caption;
        int font;
    };
    const Button buttons[] = {
        {BackPbCodeButton, u"$", CodeButtonFont},
        {BackWebCodeButton, u"#", CodeButtonFont},
        {BackColorButton, u"Select Background Color", ButtonFont},
        {FontPbCodeButton, u"$", CodeButtonFont},
        {FontWebCodeButton, u"#", CodeButtonFont},
        {FontColorButton, u"Select a regular Font Color", ButtonFont},
        {WebConvertButton, u"Convert Color", ButtonFont},
        {PbConvertButton, u"Convert Color", ButtonFont},
        {PickPbButton, u"$", CodeButtonFont},
        {PickWebButton, u"#", CodeButtonFont},
        {PickRgbButton, u"rgb", CodeButtonFont},
    };
    EXPECT_EQ(ButtonRegistry.size(), std::size(buttons));
    for (const Button& b : buttons) {
        SCOPED_TRACE(b.number);
        const CanvasButton* record = FindButton(b.number);
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(record->caption, b.caption);
        EXPECT_EQ(record->font, tk::FontID(b.font));
        EXPECT_EQ(record->flags, 0u);
        EXPECT_EQ(tk::Drawing::OnCanvas(b.number).PixelAt(2, 2),
                  tk::GetGadgetColor(b.number, NormalFill));
    }
}

TEST_F(MainWindowTest, WindowsAreCentredSizedOwnedAndShownAsBuilt) {
    const tk::Size screen = tk::PrimaryScreenSize();
    EXPECT_EQ(tk::WindowX(MainWindow), screen.width > 416 ? (screen.width - 416) / 2 : 0);
    EXPECT_EQ(tk::WindowY(MainWindow), screen.height > 800 ? (screen.height - 800) / 2 : 0);
    EXPECT_EQ(tk::WindowWidth(MainWindow), 416);
    EXPECT_EQ(tk::WindowHeight(MainWindow), 800);
    EXPECT_TRUE(tk::IsWindowVisible(MainWindow));
    EXPECT_NE(tk::GetWindowData(MainWindow), 0);  // the drag state
    EXPECT_EQ(tk::WindowWidth(MagnifierWindow), 202);
    EXPECT_EQ(tk::WindowHeight(DialogAnchorWindow), 10);
    EXPECT_FALSE(tk::IsWindowVisible(MagnifierWindow));
    EXPECT_FALSE(tk::IsWindowVisible(DialogAnchorWindow));
}

TEST_F(MainWindowTest, InitialDataAndStates) {
    EXPECT_EQ(tk::GetGadgetData(BackRgbField), -1);
    EXPECT_EQ(tk::GetGadgetData(FontRgbField), -1);
    EXPECT_EQ(tk::GetGadgetData(CollapseToggle), 0);
    EXPECT_TRUE(tk::IsGadgetHidden(FocusSink));
    EXPECT_EQ(tk::GetGadgetState(AlwaysOnTopCheck), 0);
    EXPECT_EQ(tk::GetGadgetState(PickerCheck), 0);
    EXPECT_EQ(tk::GetGadgetText(AlwaysOnTopLabel), u" Always on Top ");
    EXPECT_EQ(tk::GetGadgetText(PickerLabel), u" Color Picker ");
    EXPECT_EQ(tk::GetGadgetFont(WebInputField), tk::FontID(ButtonFont));
    EXPECT_EQ(tk::GetGadgetFont(PickerLabel), tk::FontID(LabelFont));
}

TEST_F(MainWindowTest, ExactlyTheSevenStringFieldsSelectTheirTextOnFocus) {
    const std::vector<int> fields = {BackHexField,  BackRgbField, FontHexField, FontRgbField,
                                     WebInputField, PbInputField, PickField};
    std::vector<int> found;
    for (int n = 1; n <= LastGadgetNumber; ++n)
        if (tk::GadgetKindOf(n) == GadgetKind::StringField) found.push_back(n);
    std::sort(found.begin(), found.end());
    auto sorted = fields;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(found, sorted);

    // Focus events need an active window, which no window manager gives here;
    // activation itself focuses the first field.
    for (int n : fields)
        tk::SetGadgetText(n, u"#1A2B3C");
    QApplication::setActiveWindow(reinterpret_cast<QWidget*>(tk::WindowHandle(MainWindow)));
    for (int n : fields) {
        SCOPED_TRACE(n);
        tk::SetActiveGadget(n);
        auto* edit = reinterpret_cast<QLineEdit*>(tk::GadgetHandle(n));
        QApplication::processEvents();
        EXPECT_TRUE(edit->hasFocus());
        EXPECT_EQ(edit->selectedText(), "#1A2B3C");
        EXPECT_EQ(edit->cursorPosition(), 0);
    }
}

}  // namespace
