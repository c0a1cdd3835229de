#include "widgets/canvas_button.h"

#include <new>

#include "widgets/button_events.h"

ButtonMap ButtonRegistry;

namespace {

constexpr std::size_t RegistrySlots = 512;
// Attributes from here on belong to the button, not to its canvas.
constexpr int FirstButtonAttribute = 1024;

CanvasButton* RecordOf(tk::Gadget* g) {
    return reinterpret_cast<CanvasButton*>(const_cast<tk::GadgetOps*>(g->ops));
}

int Repaint(CanvasButton* b) {
    return b->drawHook ? b->drawHook(b) : 0;
}

int DoNothing(CanvasButton*) {
    return 0;
}

// --- the twelve operations the button answers itself ---------------------------

int ButtonRelease(tk::Gadget* g) {
    return DetachButton(g);
}

// The state is what presses and the set-state call leave; reported as it is.
int ButtonGetState(tk::Gadget* g) {
    return RecordOf(g)->state;
}

int ButtonSetState(tk::Gadget* g, int state) {
    CanvasButton* b = RecordOf(g);
    b->state = state != 0 ? 1 : 0;
    Repaint(b);
    return 0;
}

std::u16string ButtonGetText(tk::Gadget* g) {
    return RecordOf(g)->caption;
}

int ButtonSetText(tk::Gadget* g, const std::u16string& text) {
    CanvasButton* b = RecordOf(g);
    b->caption = text;
    Repaint(b);
    return 0;
}

int ButtonResize(tk::Gadget* g, int x, int y, int w, int h) {
    CanvasButton* b = RecordOf(g);
    const int result = b->originalOps->resize ? b->originalOps->resize(g, x, y, w, h) : 0;
    if (w != tk::Keep) b->width = w;
    if (h != tk::Keep) b->height = h;
    Repaint(b);
    return result;
}

std::int64_t ButtonGetAttribute(tk::Gadget* g, int attribute) {
    const tk::GadgetOps* own = RecordOf(g)->originalOps;
    if (attribute >= FirstButtonAttribute || !own->getAttribute) return 0;
    return own->getAttribute(g, attribute);
}

std::int64_t ButtonSetAttribute(tk::Gadget* g, int attribute, std::int64_t value) {
    CanvasButton* b = RecordOf(g);
    if (attribute < FirstButtonAttribute)
        return b->originalOps->setAttribute ? b->originalOps->setAttribute(g, attribute, value) : 0;
    Repaint(b);
    return 0;
}

bool IsColorSlot(int slot) {
    return slot >= 1 && slot <= ButtonColorSlots;
}

int ButtonSetColor(tk::Gadget* g, int slot, tk::Color color) {
    if (!IsColorSlot(slot)) return 0;
    CanvasButton* b = RecordOf(g);
    b->colors[slot - 1] = color;
    Repaint(b);
    return 0;
}

tk::Color ButtonGetColor(tk::Gadget* g, int slot) {
    return IsColorSlot(slot) ? RecordOf(g)->colors[slot - 1] : -1;
}

tk::FontHandle ButtonGetFont(tk::Gadget* g) {
    return RecordOf(g)->font;
}

int ButtonSetFont(tk::Gadget* g, tk::FontHandle font) {
    if (!font) return 0;
    CanvasButton* b = RecordOf(g);
    b->font = font;
    Repaint(b);
    return 0;
}

struct DefaultColor {
    int slot;
    ColorValue color;
};

constexpr DefaultColor DefaultColors[] = {
    {NormalText, MakeColor(0, 0, 0)},          {NormalFill, MakeColor(237, 237, 237)},
    {NormalBorder, MakeColor(109, 109, 109)},  {HoverText, MakeColor(0, 0, 0)},
    {HoverFill, MakeColor(253, 253, 253)},     {HoverBorder, MakeColor(109, 109, 109)},
    {PressedText, MakeColor(0, 0, 0)},         {PressedFill, MakeColor(205, 205, 205)},
    {PressedBorder, MakeColor(109, 109, 109)},
};

}  // namespace

void CreateButtonRegistry() {
    ButtonRegistry.clear();
    ButtonRegistry.reserve(RegistrySlots);
}

std::string ButtonKey(tk::NativeHandle canvas) {
    return std::to_string(static_cast<std::int64_t>(canvas));
}

CanvasButton* FindButton(int gadget) {
    const tk::NativeHandle handle = tk::GadgetHandle(gadget);
    if (!handle) return nullptr;
    auto it = ButtonRegistry.find(ButtonKey(handle));
    return it == ButtonRegistry.end() ? nullptr : it->second.get();
}

CanvasButton* AttachButton(tk::Gadget* canvas) {
    const std::string key = ButtonKey(canvas->handle);
    if (ButtonRegistry.count(key)) return nullptr;  // already a button
    CanvasButton* b = nullptr;
    try {
        b = (ButtonRegistry[key] = std::make_unique<CanvasButton>()).get();
    } catch (const std::bad_alloc&) {
        ButtonRegistry.erase(key);
        return nullptr;
    }
    b->ops = *canvas->ops;
    b->originalOps = canvas->ops;
    tk::SetGadgetOps(canvas, &b->ops);

    b->ops.release = ButtonRelease;
    b->ops.getState = ButtonGetState;
    b->ops.setState = ButtonSetState;
    b->ops.getText = ButtonGetText;
    b->ops.setText = ButtonSetText;
    b->ops.resize = ButtonResize;
    b->ops.getAttribute = ButtonGetAttribute;
    b->ops.setAttribute = ButtonSetAttribute;
    b->ops.setColor = ButtonSetColor;
    b->ops.getColor = ButtonGetColor;
    b->ops.getFont = ButtonGetFont;
    b->ops.setFont = ButtonSetFont;

    tk::ForEachGadget([&](tk::Gadget* g) {
        if (g->handle == canvas->handle) b->gadget = g->number;
    });
    b->font = tk::DefaultFont();
    return b;
}

int DetachButton(tk::Gadget* canvas) {
    auto it = ButtonRegistry.find(ButtonKey(canvas->handle));
    if (it == ButtonRegistry.end()) return 0;
    CanvasButton* b = it->second.get();
    if (b->freeHook) b->freeHook(b);
    if (b->eventHandler) tk::UnbindGadgetEvent(b->gadget, b->eventHandler);
    if (b->originalOps->release) b->originalOps->release(canvas);
    tk::SetGadgetOps(canvas, b->originalOps);
    ButtonRegistry.erase(it);
    return 1;
}

std::intptr_t CreateCanvasButton(int number, int x, int y, int width, int height,
                                 const std::u16string& caption, std::uint32_t flags) {
    const std::intptr_t result = tk::NewCanvas(number, x, y, width, height);
    if (number == tk::AnyNumber) number = static_cast<int>(result);
    tk::Gadget* canvas = tk::FindGadget(number);
    if (!canvas) return result;
    CanvasButton* b = AttachButton(canvas);
    if (!b) return result;

    b->kind = TextButton;
    b->flags = flags;
    b->caption = caption;
    b->width = tk::GadgetWidth(number);
    b->height = tk::GadgetHeight(number);
    for (const DefaultColor& d : DefaultColors)
        b->colors[d.slot - 1] = d.color;
    b->freeHook = DoNothing;
    b->drawHook = PaintTextButton;
    b->eventHandler = OnButtonEvent;
    tk::BindGadgetEvent(number, b->eventHandler);
    b->drawHook(b);
    return result;
}

int SetButtonColors(int gadget, ColorValue normalText, ColorValue normalFill,
                    ColorValue normalBorder, ColorValue hoverText, ColorValue hoverFill,
                    ColorValue hoverBorder, ColorValue pressedText, ColorValue pressedFill,
                    ColorValue pressedBorder) {
    // Fill and border before text in each look, as the painting order wants.
    const DefaultColor order[] = {
        {NormalFill, normalFill},   {NormalBorder, normalBorder},   {NormalText, normalText},
        {HoverFill, hoverFill},     {HoverBorder, hoverBorder},     {HoverText, hoverText},
        {PressedFill, pressedFill}, {PressedBorder, pressedBorder}, {PressedText, pressedText},
    };
    for (const DefaultColor& c : order)
        tk::SetGadgetColor(gadget, c.slot, c.color);
    return 0;
}
