#include "app/title_bar.h"

#include <filesystem>

#include "app/drag_state.h"
#include "app/ids.h"
#include "theme/apply_theme.h"
#include "theme/palette.h"
#include "theme/theme_file.h"
#include "toolkit/toolkit.h"

namespace {

// The installed manual, relative to the executable's folder (the install
// layout gives the path); the build tree falls back to the source tree's copy.
constexpr char16_t ManualPage[] = u"" TINTWELL_MANUAL_PAGE;
constexpr char16_t SourceManual[] = u"" TINTWELL_SOURCE_DIR "/docs/index.html";

void PaintCloseButton(bool hover) {
    tk::Drawing d = tk::Drawing::OnCanvas(CloseButton);
    if (!d) return;
    d.Fill(0, 0, d.Width(), d.Height(),
           hover ? Palette.CloseHoverBackColor : Palette.CloseBackColor);
    const ColorValue glyph = hover ? Palette.CloseHoverGlyphColor : Palette.CloseGlyphColor;
    d.Line(21, 29, 40, 10, glyph);
    d.Line(21, 10, 40, 29, glyph);
}

}  // namespace

void OnTitleBarEvent() {
    auto* drag = reinterpret_cast<DragState*>(tk::GetWindowData(MainWindow));
    if (!drag) return;
    const tk::Event& e = tk::CurrentEvent();
    switch (e.type) {
        case tk::LeftButtonDown:  // a double-click's second press re-arms here
            drag->dragging = 1;
            drag->grabX =
                static_cast<std::int32_t>(tk::GetGadgetAttribute(TitleBar, tk::CanvasMouseX));
            drag->grabY =
                static_cast<std::int32_t>(tk::GetGadgetAttribute(TitleBar, tk::CanvasMouseY));
            break;
        case tk::LeftButtonUp:
            drag->dragging = 0;
            break;
        case tk::MouseMove:
            // The grab is in the title bar's coordinates, which start one pixel
            // into the window: the window trails the pointer by that pixel.
            if (drag->dragging != 0 &&
                (tk::GetGadgetAttribute(TitleBar, tk::CanvasButtons) & tk::LeftButtonBit)) {
                const tk::Point p = tk::PointerPosition();
                tk::ResizeWindow(e.window, p.x - drag->grabX, p.y - drag->grabY, tk::Keep,
                                 tk::Keep);
            }
            break;
        case tk::RightButtonDown:
            CurrentTheme = CurrentTheme == 0 ? 1 : 0;
            SaveThemeFile();
            ApplyTheme(CurrentTheme);
            break;
        default:
            break;
    }
}

void OnCloseButtonEvent() {
    switch (tk::CurrentEvent().type) {
        case tk::LeftButtonDown:
            // The loop ends on it once this handler has painted.
            tk::PostEvent({tk::EventKind::CloseWindow, 0, 0, 0, 0});
            PaintCloseButton(true);
            break;
        case tk::MouseEnter:
        case tk::MouseMove:
            PaintCloseButton(true);
            break;
        default:
            PaintCloseButton(false);
            break;
    }
}

void OnAlwaysOnTop() {
    tk::SetWindowTopmost(MainWindow, tk::GetGadgetState(AlwaysOnTopCheck) != 0);
}

void OnFooterEvent() {
    if (tk::CurrentEvent().type == tk::LeftButtonDown)
        tk::SystemServices().openAddress(ManualAddress());
}

std::u16string ManualAddress() {
    namespace fs = std::filesystem;
    const fs::path installed =
        (fs::path(tk::ExecutableFolder()) / fs::path(std::u16string(ManualPage)))
            .lexically_normal();
    std::error_code error;
    if (fs::exists(installed, error) || !fs::exists(fs::path(std::u16string(SourceManual)), error))
        return installed.u16string();
    return SourceManual;
}
