#include "widgets/button_events.h"

#include "widgets/caption_layout.h"

namespace {

struct Look {
    ColorValue text, fill, border;
};

Look LookOf(const CanvasButton* b, int textSlot) {
    return {b->colors[textSlot - 1], b->colors[textSlot], b->colors[textSlot + 1]};
}

Look ChooseLook(const CanvasButton* b) {
    if ((b->flags & ToggleLook) && b->state != 0) return LookOf(b, PressedText);
    if (b->hover == 1) return LookOf(b, b->pressed != 0 ? PressedText : HoverText);
    return LookOf(b, NormalText);
}

// Transparent text in one colour, for LayoutCaption.
struct DrawingPen {
    tk::Drawing& drawing;
    ColorValue color;
    int TextWidth(const std::u16string& t) const { return drawing.TextWidth(t); }
    int TextHeight(const std::u16string& t) const { return drawing.TextHeight(t); }
    void Draw(int x, int y, const std::u16string& t) { drawing.TransparentText(x, y, t, color); }
};

CanvasButton* ButtonOfCurrentEvent() {
    return FindButton(tk::CurrentEvent().gadget);
}

}  // namespace

void OnButtonEvent() {
    CanvasButton* b = ButtonOfCurrentEvent();
    if (!b) return;
    switch (tk::CurrentEvent().type) {
        case tk::MouseEnter:
            b->hover = 1;
            break;
        case tk::MouseLeave:
            b->hover = 0;
            break;
        case tk::LeftButtonDown:
            b->pressed = 1;
            b->state = b->state == 0 ? 1 : 0;
            break;
        case tk::LeftButtonUp:
            b->pressed = 0;
            break;
        default:
            return;  // no change, no repaint
    }
    b->drawHook(b);
}

int WasClicked() {
    CanvasButton* b = ButtonOfCurrentEvent();
    if (!b || tk::CurrentEvent().type != tk::LeftButtonUp) return 0;
    const auto mx = tk::GetGadgetAttribute(b->gadget, tk::CanvasMouseX);
    const auto my = tk::GetGadgetAttribute(b->gadget, tk::CanvasMouseY);
    return mx >= 0 && mx <= b->width && my >= 0 && my <= b->height ? 1 : 0;
}

int PaintTextButton(CanvasButton* b) {
    const Look look = ChooseLook(b);
    tk::Drawing d = tk::Drawing::OnCanvas(b->gadget);
    if (!d) return 0;
    const int w = d.Width();
    const int h = d.Height();
    d.Fill(0, 0, w, h, look.fill);
    d.SetFont(b->font);
    DrawingPen pen{d, look.text};
    LayoutCaption(pen, 1, 1, w - 2, h - 2, b->caption, b->flags);
    d.Outline(0, 0, w, h, look.border);
    return 0;
}
