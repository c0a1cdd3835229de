#include "app/input_frames.h"

#include <initializer_list>

#include "app/ids.h"
#include "toolkit/toolkit.h"

namespace {

struct HoverRect {
    int x, y, width, height;
};

// The I-beam over any of the panel's rectangles, the arrow elsewhere. The
// first move into a panel arrives as an enter and changes nothing.
void SetPanelCursor(int panel, std::initializer_list<HoverRect> rects) {
    if (tk::CurrentEvent().type != tk::MouseMove) return;
    const auto px = static_cast<int>(tk::GetGadgetAttribute(panel, tk::CanvasMouseX));
    const auto py = static_cast<int>(tk::GetGadgetAttribute(panel, tk::CanvasMouseY));
    bool over = false;
    for (const HoverRect& r : rects)
        over = over || PointInRect(px, py, r.x, r.y, r.width, r.height);
    tk::SetGadgetAttribute(panel, tk::CanvasCursor, over ? tk::IBeamCursor : tk::ArrowCursor);
}

}  // namespace

int PointInRect(int px, int py, int x, int y, int width, int height) {
    const std::int64_t right = std::int64_t{x} + width;
    const std::int64_t bottom = std::int64_t{y} + height;
    return x <= px && px <= right && y <= py && py <= bottom ? 1 : 0;
}

void OnComparePanelHover() {
    if (tk::CurrentEvent().type != tk::MouseMove || tk::GetWindowData(MainWindow) == 0) return;
    SetPanelCursor(
        ComparePanel,
        {{232, 118, 148, 22}, {232, 147, 148, 22}, {232, 263, 148, 22}, {232, 292, 148, 22}});
}

void OnWebPanelHover() {
    SetPanelCursor(WebPanel, {{232, 44, 148, 22}});
}

void OnPbPanelHover() {
    SetPanelCursor(PbPanel, {{232, 37, 148, 22}});
}

// Two rows above the drawn frame already count here.
void OnPickerPanelHover() {
    SetPanelCursor(PickerPanel, {{233, 58, 146, 24}});
}

void OnFieldFocus() {
    const tk::Event& e = tk::CurrentEvent();
    if (e.type != tk::FocusIn) return;
    const auto count = static_cast<int>(tk::GetGadgetText(e.gadget).size());
    // Posted, not done now: the click that brought the focus would undo it.
    // Anchored at the end, so the caret sits at the start.
    tk::PostFieldSelection(e.gadget, count, 0);
}
