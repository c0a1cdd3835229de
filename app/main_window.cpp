#include "app/main_window.h"

#include <new>

#include "app/collapse_strip.h"
#include "app/ids.h"
#include "app/input_frames.h"
#include "app/title_bar.h"
#include "color/code_buttons.h"
#include "compare/color_selection.h"
#include "compare/comparison_codes.h"
#include "color/color_value.h"
#include "picker/screen_picker.h"
#include "theme/apply_theme.h"
#include "theme/palette.h"
#include "theme/surfaces.h"
#include "theme/theme_file.h"
#include "toolkit/toolkit.h"
#include "widgets/canvas_button.h"

std::unique_ptr<DragState> TitleDrag;

namespace {

enum class Kind { Text, Panel, Canvas, CanvasButton, StringField, CheckBox };

// y of a panel that stands directly below the panel created before it.
constexpr int BelowPrevious = -100000;
constexpr int NoFont = 0;
constexpr int WindowItself = 0;

struct LayoutRow {
    int number;
    Kind kind;
    int parent;  // a panel, or WindowItself
    int x, y, width, height;
    const char16_t* caption;
    int font;
};

// Creation order matters: the panels' children follow their panel.
constexpr LayoutRow Layout[] = {
    {FocusSink, Kind::Text, WindowItself, 0, 0, 10, 10, u"", NoFont},
    {TitleBar, Kind::Panel, WindowItself, 1, 1, 414, 40, u"", NoFont},
    {CloseButton, Kind::Canvas, TitleBar, 414 - 61, 0, 61, 39, u"", NoFont},
    {CollapseToggle, Kind::Canvas, WindowItself, 1, 40, 414, 19, u"", NoFont},
    {ComparePanel, Kind::Panel, WindowItself, 1, 59, 414, 345, u"", NoFont},
    {BackPbCodeButton, Kind::CanvasButton, ComparePanel, 119, 118, 43, 22, u"$", CodeButtonFont},
    {BackWebCodeButton, Kind::CanvasButton, ComparePanel, 174, 118, 43, 22, u"#", CodeButtonFont},
    {BackColorButton, Kind::CanvasButton, ComparePanel, 33, 39, 347, 62, u"Select Background Color",
     ButtonFont},
    {BackHexField, Kind::StringField, ComparePanel, 233, 120, 146, 19, u"", ButtonFont},
    {BackRgbField, Kind::StringField, ComparePanel, 233, 149, 146, 19, u"", ButtonFont},
    {FontPbCodeButton, Kind::CanvasButton, ComparePanel, 119, 263, 43, 22, u"$", CodeButtonFont},
    {FontWebCodeButton, Kind::CanvasButton, ComparePanel, 174, 263, 43, 22, u"#", CodeButtonFont},
    {FontColorButton, Kind::CanvasButton, ComparePanel, 33, 184, 347, 62,
     u"Select a regular Font Color", ButtonFont},
    {FontHexField, Kind::StringField, ComparePanel, 233, 265, 146, 19, u"", ButtonFont},
    {FontRgbField, Kind::StringField, ComparePanel, 233, 294, 146, 19, u"", ButtonFont},
    {AlwaysOnTopCheck, Kind::CheckBox, ComparePanel, 289, 6, 20, 19, u"", NoFont},
    {AlwaysOnTopLabel, Kind::Text, ComparePanel, 307, 9, 83, 20, u" Always on Top ", LabelFont},
    {WebPanel, Kind::Panel, WindowItself, 1, BelowPrevious, 414, 120, u"", NoFont},
    {WebConvertButton, Kind::CanvasButton, WebPanel, 33, 44, 184, 42, u"Convert Color", ButtonFont},
    {WebInputField, Kind::StringField, WebPanel, 234, 46, 145, 19, u"", ButtonFont},
    {PbPanel, Kind::Panel, WindowItself, 1, BelowPrevious, 414, 116, u"", NoFont},
    {PbConvertButton, Kind::CanvasButton, PbPanel, 33, 37, 184, 42, u"Convert Color", ButtonFont},
    {PbInputField, Kind::StringField, PbPanel, 234, 39, 145, 19, u"", ButtonFont},
    {PickerPanel, Kind::Panel, WindowItself, 1, BelowPrevious, 414, 125, u"", NoFont},
    {PickPbButton, Kind::CanvasButton, PickerPanel, 234, 28, 43, 22, u"$", CodeButtonFont},
    {PickWebButton, Kind::CanvasButton, PickerPanel, 286, 28, 43, 22, u"#", CodeButtonFont},
    {PickRgbButton, Kind::CanvasButton, PickerPanel, 336, 28, 43, 22, u"rgb", CodeButtonFont},
    {PickSwatch, Kind::Canvas, PickerPanel, 33, 28, 184, 55, u"", NoFont},
    {PickerCheck, Kind::CheckBox, PickerPanel, 33, -1, 20, 19, u" ", NoFont},
    {PickerLabel, Kind::Text, PickerPanel, 49, 1, 67, 20, u" Color Picker ", LabelFont},
    {PickField, Kind::StringField, PickerPanel, 234, 62, 144, 19, u"", ButtonFont},
    {Footer, Kind::Canvas, WindowItself, 1, BelowPrevious, 414, 34, u"", NoFont},
};

struct BindingRow {
    int gadget;
    tk::Handler handler;
    int type;
};

// Every gadget handler of the window, in the order it is bound (the close
// button's is bound with the button, the picker timer's after these).
constexpr BindingRow Bindings[] = {
    {TitleBar, OnTitleBarEvent, tk::AnyType},
    {ComparePanel, OnComparePanelHover, tk::AnyType},
    {WebPanel, OnWebPanelHover, tk::AnyType},
    {PbPanel, OnPbPanelHover, tk::AnyType},
    {PickerPanel, OnPickerPanelHover, tk::AnyType},
    {CollapseToggle, OnCollapseToggle, tk::AnyType},
    {BackColorButton, OnBackColor, tk::AnyType},
    {FontColorButton, OnFontColor, tk::AnyType},
    {BackPbCodeButton, OnCodeButton, tk::AnyType},
    {FontPbCodeButton, OnCodeButton, tk::AnyType},
    {PickPbButton, OnPickPb, tk::AnyType},
    {BackWebCodeButton, OnCodeButton, tk::AnyType},
    {FontWebCodeButton, OnCodeButton, tk::AnyType},
    {PickWebButton, OnPickWeb, tk::AnyType},
    {PickRgbButton, OnPickRgb, tk::AnyType},
    {AlwaysOnTopCheck, OnAlwaysOnTop, tk::AnyType},
    {PickerCheck, OnPickerCheck, tk::AnyType},
    {WebConvertButton, OnWebConvert, tk::AnyType},
    {PbConvertButton, OnPbConvert, tk::AnyType},
    {Footer, OnFooterEvent, tk::AnyType},
};

void CreateGadget(const LayoutRow& row, int y) {
    const int n = row.number;
    switch (row.kind) {
        case Kind::Text:
            tk::NewText(n, row.x, y, row.width, row.height, row.caption);
            break;
        case Kind::Panel:
            tk::NewCanvas(n, row.x, y, row.width, row.height, tk::CanvasContainer);
            break;
        case Kind::Canvas:
            tk::NewCanvas(n, row.x, y, row.width, row.height);
            break;
        case Kind::CanvasButton:
            CreateCanvasButton(n, row.x, y, row.width, row.height, row.caption, 0);
            break;
        case Kind::StringField:
            tk::NewStringField(n, row.x, y, row.width, row.height, row.caption);
            break;
        case Kind::CheckBox:
            tk::NewCheckBox(n, row.x, y, row.width, row.height, row.caption);
            break;
    }
    if (row.font != NoFont) tk::SetGadgetFont(n, tk::FontID(row.font));
}

void CreateMainWindowGadgets() {
    int openPanel = WindowItself;
    int previousPanel = 0;
    for (const LayoutRow& row : Layout) {
        if (row.parent != openPanel && openPanel != WindowItself) {
            tk::CloseGadgetList();
            openPanel = WindowItself;
        }
        const int y = row.y == BelowPrevious
                          ? tk::GadgetY(previousPanel) + tk::GadgetHeight(previousPanel)
                          : row.y;
        CreateGadget(row, y);
        PaintSurface(row.number);  // its first painting, in the palette of the start
        if (row.kind == Kind::Panel) openPanel = row.number;
        if (row.parent == WindowItself) previousPanel = row.number;
    }
    if (openPanel != WindowItself) tk::CloseGadgetList();
}

void BindHandlers() {
    tk::SetGadgetData(BackRgbField, NoColor);
    tk::SetGadgetData(FontRgbField, NoColor);
    for (const BindingRow& b : Bindings)
        tk::BindGadgetEvent(b.gadget, b.handler, b.type);
    tk::BindTimerEvent(MainWindow, PickerTimer, OnPickerTick);
}

void CreateAuxiliaryWindows() {
    const tk::NativeHandle owner = tk::WindowHandle(MainWindow);
    tk::NewWindow(MagnifierWindow, 0, 0, 202, 202, u"", tk::WindowHidden | tk::WindowNoFocus,
                  owner);
    tk::SetWindowColor(MagnifierWindow, 0);
    tk::NewImageGadget(MagnifierImage, 1, 1, 200, 200, 0);
    tk::NewWindow(DialogAnchorWindow, 0, 0, 10, 10, u"", tk::WindowHidden, owner);
}

void BindFieldFocus() {
    for (int n = 1; n <= LastGadgetNumber; ++n)
        if (tk::GadgetKindOf(n) == tk::GadgetKind::StringField)
            tk::BindGadgetEvent(n, OnFieldFocus, tk::FocusIn);
}

}  // namespace

bool BuildMainWindow() {
    TitleDrag.reset(new (std::nothrow) DragState{});
    if (!TitleDrag) return false;
    CurrentTheme = LoadThemeFile();
    ApplyTheme(CurrentTheme);  // no window yet: the palette only

    tk::NewWindow(MainWindow, 0, 0, 416, 800, u"Tintwell v7",
                  tk::WindowCentered | tk::WindowHidden);
    tk::SetWindowData(MainWindow, reinterpret_cast<std::intptr_t>(TitleDrag.get()));
    CreateMainWindowGadgets();
    tk::HideGadget(FocusSink, true);
    tk::SetGadgetData(CollapseToggle, 0);
    tk::BindGadgetEvent(CloseButton, OnCloseButtonEvent);
    // The close button draws its resting look once the loop takes this.
    tk::PostEvent({tk::EventKind::Gadget, MainWindow, CloseButton, tk::MouseLeave, 0});

    BindHandlers();
    tk::ShowWindow(MainWindow, true);
    CreateAuxiliaryWindows();
    BindFieldFocus();
    CurrentTheme = LoadThemeFile();
    ApplyTheme(CurrentTheme);
    return true;
}
