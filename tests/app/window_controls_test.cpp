// The title bar, the close button, always-on-top, the footer, the fold strip
// and the input frames, driven through the toolkit's own dispatch.
#include <QAbstractButton>
#include <QLineEdit>

#include <string>
#include <vector>

#include "app/drag_state.h"
#include "app/input_frames.h"
#include "app/title_bar.h"
#include "tests/app/main_window_fixture.h"
#include "theme/theme_file.h"

namespace {

using tk::core::PointerAction;

class WindowControlsTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        tk::detail::DispatchPostedEvents();
    }
    static DragState& Drag() {
        return *reinterpret_cast<DragState*>(tk::GetWindowData(MainWindow));
    }
    tk::ScopedServices services;
};

TEST_F(WindowControlsTest, DraggingPlacesTheCornerAtPointerMinusTheTitleBarGrab) {
    const int left = tk::WindowX(MainWindow), top = tk::WindowY(MainWindow);
    tk::Point pointer{left + 1 + 30, top + 1 + 12};  // the grabbed point, on the screen
    tk::SystemServices().pointerPosition = [&pointer] { return pointer; };

    Pointer(TitleBar, PointerAction::Move, 30, 12);
    Pointer(TitleBar, PointerAction::LeftDown, 30, 12, tk::LeftButtonBit);
    EXPECT_EQ(Drag().dragging, 1);
    EXPECT_EQ(Drag().grabX, 30);
    EXPECT_EQ(Drag().grabY, 12);

    pointer = {700, 300};
    Pointer(TitleBar, PointerAction::Move, 500, 200, tk::LeftButtonBit);
    // One pixel right and down of where the grabbed point would stay.
    EXPECT_EQ(tk::WindowX(MainWindow), 670);
    EXPECT_EQ(tk::WindowY(MainWindow), 288);
    EXPECT_EQ(tk::WindowHeight(MainWindow), 800);

    pointer = {100, 100};
    Pointer(TitleBar, PointerAction::Move, 5, 5);  // the left button is not down
    EXPECT_EQ(tk::WindowX(MainWindow), 670);
    EXPECT_EQ(Drag().dragging, 1);

    Pointer(TitleBar, PointerAction::LeftUp, 5, 5);
    EXPECT_EQ(Drag().dragging, 0);
    Pointer(TitleBar, PointerAction::Move, 6, 6, tk::LeftButtonBit);
    EXPECT_EQ(tk::WindowX(MainWindow), 670);

    // A double-click's second press re-arms with its own position.
    Pointer(TitleBar, PointerAction::LeftDown, 40, 9, tk::LeftButtonBit);
    Pointer(TitleBar, PointerAction::LeftUp, 40, 9);
    Pointer(TitleBar, PointerAction::LeftDouble, 41, 8, tk::LeftButtonBit);
    EXPECT_EQ(Drag().grabX, 41);
    EXPECT_EQ(Drag().grabY, 8);
    EXPECT_EQ(tk::WindowHeight(MainWindow), 800);  // nothing maximised
}

std::vector<char> FirstBytes(const std::u16string& folder, std::size_t n) {
    std::vector<char> bytes(n);
    FILE* f =
        std::fopen((std::string(folder.begin(), folder.end()) + "/Huebox/theme.ini").c_str(), "rb");
    if (!f) return {};
    bytes.resize(std::fread(bytes.data(), 1, n, f));
    std::fclose(f);
    return bytes;
}

TEST_F(WindowControlsTest, RightPressesToggleSaveAndApplyTheLook) {
    const std::u16string folder = tk::SystemServices().appDataFolder();
    Pointer(TitleBar, PointerAction::RightDown, 50, 10, tk::RightButtonBit);
    EXPECT_EQ(CurrentTheme, 1);
    EXPECT_EQ(FirstBytes(folder, 3), (std::vector<char>{'1', '\r', '\n'}));
    EXPECT_EQ(Pixel(TitleBar, 2, 2), MakeColor(43, 51, 59));
    EXPECT_EQ(LoadThemeFile(), 1);

    // A right double-click: two presses, two toggles, the file last written light.
    Pointer(TitleBar, PointerAction::RightUp, 50, 10);
    Pointer(TitleBar, PointerAction::RightDown, 50, 10, tk::RightButtonBit);
    Pointer(TitleBar, PointerAction::RightUp, 50, 10);
    Pointer(TitleBar, PointerAction::RightDouble, 50, 10, tk::RightButtonBit);
    EXPECT_EQ(CurrentTheme, 1);
    EXPECT_EQ(FirstBytes(folder, 1), (std::vector<char>{'1'}));
    Pointer(TitleBar, PointerAction::RightDown, 50, 10, tk::RightButtonBit);
    EXPECT_EQ(CurrentTheme, 0);
    EXPECT_EQ(FirstBytes(folder, 1), (std::vector<char>{'0'}));
    EXPECT_EQ(Pixel(TitleBar, 2, 2), MakeColor(255, 255, 255));
    EXPECT_TRUE(tk::IsWindowVisible(MainWindow));
}

TEST_F(WindowControlsTest, TheCloseButtonPostsACloseAndShowsItsHoverLook) {
    Pointer(CloseButton, PointerAction::LeftDown, 30, 20, tk::LeftButtonBit);
    EXPECT_EQ(Pixel(CloseButton, 2, 2), Palette.CloseHoverBackColor);
    EXPECT_TRUE(tk::IsWindow(MainWindow));                 // nothing ends inside the handler
    Pointer(CloseButton, PointerAction::LeftUp, 200, 20);  // released elsewhere
    EXPECT_EQ(tk::WaitEvent(), tk::EventKind::CloseWindow);
}

TEST_F(WindowControlsTest, AlwaysOnTopNeitherMovesNorHides) {
    const int left = tk::WindowX(MainWindow), top = tk::WindowY(MainWindow);
    auto* box = static_cast<QAbstractButton*>(Widget(tk::GadgetHandle(AlwaysOnTopCheck)));
    box->click();
    EXPECT_TRUE(Widget(tk::WindowHandle(MainWindow))->windowFlags() & Qt::WindowStaysOnTopHint);
    box->click();
    EXPECT_FALSE(Widget(tk::WindowHandle(MainWindow))->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(tk::IsWindowVisible(MainWindow));
    EXPECT_EQ(tk::WindowX(MainWindow), left);
    EXPECT_EQ(tk::WindowY(MainWindow), top);
    EXPECT_EQ(tk::WindowHeight(MainWindow), 800);
}

TEST_F(WindowControlsTest, EachLeftPressOnTheFooterOpensTheManual) {
    std::vector<std::u16string> opened;
    tk::SystemServices().openAddress = [&opened](const std::u16string& a) { opened.push_back(a); };
    Pointer(Footer, PointerAction::LeftDown, 200, 10, tk::LeftButtonBit);
    Pointer(Footer, PointerAction::LeftUp, 200, 10);
    Pointer(Footer, PointerAction::LeftDouble, 200, 10, tk::LeftButtonBit);
    Pointer(Footer, PointerAction::RightDown, 200, 10, tk::RightButtonBit);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], ManualAddress());
    const std::u16string ending = u"/docs/index.html";
    EXPECT_EQ(opened[0].substr(opened[0].size() - ending.size()), ending);  // from the build tree
}

TEST_F(WindowControlsTest, FoldingStacksThePanelsAndFitsTheWindow) {
    struct Stand {
        int web, pb, picker, footer, height;
    };
    const Stand shown{404, 524, 640, 765, 800}, folded{59, 179, 295, 420, 455};
    auto check = [](const Stand& s) {
        EXPECT_EQ(tk::GadgetY(WebPanel), s.web);
        EXPECT_EQ(tk::GadgetY(PbPanel), s.pb);
        EXPECT_EQ(tk::GadgetY(PickerPanel), s.picker);
        EXPECT_EQ(tk::GadgetY(Footer), s.footer);
        EXPECT_EQ(tk::WindowHeight(MainWindow), s.height);
    };
    const int top = tk::WindowY(MainWindow);
    for (auto action : {PointerAction::Move, PointerAction::LeftUp, PointerAction::RightDown})
        Pointer(CollapseToggle, action, 10, 10);
    check(shown);

    Pointer(CollapseToggle, PointerAction::LeftDown, 10, 10, tk::LeftButtonBit);
    check(folded);
    EXPECT_TRUE(tk::IsGadgetHidden(ComparePanel));
    EXPECT_EQ(tk::GetGadgetData(CollapseToggle), 1);
    EXPECT_EQ(tk::WindowY(MainWindow), top);
    EXPECT_EQ(tk::GadgetY(WebInputField), 46);  // children keep their panel coordinates

    Pointer(CollapseToggle, PointerAction::LeftUp, 10, 10);
    Pointer(CollapseToggle, PointerAction::LeftDouble, 10, 10, tk::LeftButtonBit);  // unfold
    check(shown);
    EXPECT_FALSE(tk::IsGadgetHidden(ComparePanel));
    EXPECT_EQ(tk::WindowY(MainWindow), top);
}

TEST(PointInRect, BothEdgesCount) {
    struct Case {
        int px, py, expected;
    };
    const Case cases[] = {{232, 118, 1}, {380, 140, 1}, {381, 140, 0}, {231, 130, 0},
                          {300, 117, 0}, {300, 141, 0}, {300, 130, 1}};
    for (const Case& c : cases)
        EXPECT_EQ(PointInRect(c.px, c.py, 232, 118, 148, 22), c.expected) << c.px << "," << c.py;
}

TEST_F(WindowControlsTest, TheTextCursorShowsOverTheFramesFromTheSecondMove) {
    auto cursor = [] { return tk::GetGadgetAttribute(PickerPanel, tk::CanvasCursor); };
    Pointer(PickerPanel, PointerAction::Move, 240, 58);  // the enter changes nothing
    EXPECT_EQ(cursor(), tk::ArrowCursor);
    struct Case {
        int x, y;
        int shape;
    };
    const Case cases[] = {{240, 58, tk::IBeamCursor}, {240, 57, tk::ArrowCursor},
                          {240, 59, tk::IBeamCursor}, {379, 82, tk::IBeamCursor},
                          {380, 70, tk::ArrowCursor}, {233, 70, tk::IBeamCursor},
                          {232, 70, tk::ArrowCursor}};
    for (const Case& c : cases) {
        Pointer(PickerPanel, PointerAction::Move, c.x, c.y);
        EXPECT_EQ(cursor(), c.shape) << c.x << "," << c.y;
    }
    Pointer(ComparePanel, PointerAction::Move, 5, 5);
    Pointer(ComparePanel, PointerAction::Move, 380, 140);
    EXPECT_EQ(tk::GetGadgetAttribute(ComparePanel, tk::CanvasCursor), tk::IBeamCursor);
}

TEST_F(WindowControlsTest, FocusSelectsTheWholeTextOrNothingInAnEmptyField) {
    auto* pb = static_cast<QLineEdit*>(Widget(tk::GadgetHandle(PbInputField)));
    tk::SetActiveGadget(PbInputField);
    QApplication::processEvents();
    EXPECT_FALSE(pb->hasSelectedText());
    EXPECT_EQ(pb->cursorPosition(), 0);

    tk::SetGadgetText(WebInputField, u"rgb( 26, 43, 60)");
    tk::SetActiveGadget(WebInputField);
    QApplication::processEvents();
    auto* web = static_cast<QLineEdit*>(Widget(tk::GadgetHandle(WebInputField)));
    EXPECT_EQ(web->selectedText(), "rgb( 26, 43, 60)");
    EXPECT_EQ(web->cursorPosition(), 0);
}

}  // namespace
