#include "toolkit/gadgets.h"

#include <map>
#include <unordered_map>
#include <utility>
#include <vector>

#include "toolkit/backend.h"
#include "toolkit/events.h"
#include "toolkit/images.h"
#include "toolkit/windows.h"

namespace tk {

namespace detail {

struct GadgetTable {
    std::map<int, std::unique_ptr<Gadget>> byNumber;
    std::unordered_map<NativeHandle, Gadget*> byHandle;
    int currentWindow = 0;
    std::vector<NativeHandle> lists;  // open gadget lists, innermost last
};

GadgetTable& Gadgets() {
    static GadgetTable table;
    return table;
}

void SetCurrentGadgetList(int window, NativeHandle parent) {
    auto& t = Gadgets();
    t.currentWindow = window;
    t.lists.clear();
    if (parent) t.lists.push_back(parent);
}

void ForEachGadgetImpl(void (*fn)(Gadget*, void*), void* context) {
    for (auto& [number, g] : Gadgets().byNumber)
        fn(g.get(), context);
}

}  // namespace detail

namespace {

// Numbers handed out for AnyNumber start far above the small fixed numbers
// that callers choose themselves.
constexpr int FirstFreeNumber = 0x10000;
constexpr Color BlankCanvasColor = 0xFFFFFF;

int FreeNumber() {
    const auto& byNumber = detail::Gadgets().byNumber;
    int n = FirstFreeNumber;
    while (byNumber.count(n))
        ++n;
    return n;
}

const Surface& EmptySurface() {
    static const Surface empty;
    return empty;
}

void ApplyKeep(Rect& r, int x, int y, int w, int h) {
    if (x != Keep) r.x = x;
    if (y != Keep) r.y = y;
    if (w != Keep) r.width = w;
    if (h != Keep) r.height = h;
}

// --- the canvas's own table ---------------------------------------------------

int CanvasRelease(Gadget* g) {
    if (g->surface) {
        backend::PresentCanvas(g->handle, EmptySurface());
        g->surface.reset();
    }
    return 1;
}

int CanvasResize(Gadget* g, int x, int y, int w, int h) {
    ApplyKeep(g->rect, x, y, w, h);
    backend::SetGadgetGeometry(g->handle, g->rect);
    const bool sized =
        g->surface && (g->surface->width != g->rect.width || g->surface->height != g->rect.height);
    if (sized) {
        g->surface->Resize(g->rect.width, g->rect.height, BlankCanvasColor);
        backend::PresentCanvas(g->handle, *g->surface);
    }
    return 1;
}

std::int64_t CanvasGetAttribute(Gadget* g, int attribute) {
    switch (attribute) {
        case CanvasMouseX:
            return g->pointer.x;
        case CanvasMouseY:
            return g->pointer.y;
        case CanvasButtons:
            return g->pointer.buttons;
        case CanvasWheel:
            return g->pointer.wheel;
        case CanvasCursor:
            return g->cursor;
        default:
            return 0;
    }
}

std::int64_t CanvasSetAttribute(Gadget* g, int attribute, std::int64_t value) {
    if (attribute != CanvasCursor) return 0;
    g->cursor = value == IBeamCursor ? IBeamCursor : ArrowCursor;
    backend::SetCanvasCursor(g->handle, static_cast<CursorShape>(g->cursor));
    return 1;
}

int CanvasActivate(Gadget* g) {
    backend::FocusGadget(g->handle);
    return 1;
}

const GadgetOps CanvasTable = {
    .kind = GadgetKind::Canvas,
    .tableSize = sizeof(GadgetOps),
    .release = CanvasRelease,
    .resize = CanvasResize,
    .getAttribute = CanvasGetAttribute,
    .setAttribute = CanvasSetAttribute,
    .activate = CanvasActivate,
};

// The other kinds answer everything with the defaults below.
constexpr GadgetOps EmptyTable(GadgetKind kind) {
    return {.kind = kind, .tableSize = sizeof(GadgetOps)};
}
const GadgetOps StringFieldTable = EmptyTable(GadgetKind::StringField);
const GadgetOps CheckBoxTable = EmptyTable(GadgetKind::CheckBox);
const GadgetOps TextTable = EmptyTable(GadgetKind::Text);
const GadgetOps ImageTable = EmptyTable(GadgetKind::Image);

// --- defaults for empty entries ---------------------------------------------------

bool HasText(const Gadget* g) {
    return g->kind == GadgetKind::StringField || g->kind == GadgetKind::CheckBox ||
           g->kind == GadgetKind::Text;
}

int DefaultGetState(Gadget* g) {
    return g->kind == GadgetKind::CheckBox && backend::IsChecked(g->handle) ? 1 : 0;
}

int DefaultSetState(Gadget* g, int state) {
    if (g->kind == GadgetKind::CheckBox) backend::SetChecked(g->handle, state != 0);
    return 0;
}

std::u16string DefaultGetText(Gadget* g) {
    return HasText(g) ? backend::GadgetText(g->handle) : std::u16string();
}

int DefaultSetText(Gadget* g, const std::u16string& text) {
    if (HasText(g)) backend::SetGadgetText(g->handle, text);
    return 0;
}

int DefaultResize(Gadget* g, int x, int y, int w, int h) {
    ApplyKeep(g->rect, x, y, w, h);
    backend::SetGadgetGeometry(g->handle, g->rect);
    return 1;
}

std::int64_t DefaultGetAttribute(Gadget*, int) {
    return 0;
}
std::int64_t DefaultSetAttribute(Gadget*, int, std::int64_t) {
    return 0;
}

int DefaultSetColor(Gadget* g, int slot, Color color) {
    if (slot == TextColorSlot)
        g->textColor = color;
    else if (slot == BackColorSlot)
        g->backColor = color;
    else
        return 0;
    if (HasText(g)) backend::SetGadgetColors(g->handle, g->textColor, g->backColor);
    return 0;
}

Color DefaultGetColor(Gadget* g, int slot) {
    if (slot == TextColorSlot) return g->textColor;
    if (slot == BackColorSlot) return g->backColor;
    return -1;
}

FontHandle DefaultGetFont(Gadget* g) {
    return g->font ? g->font : backend::DefaultFont();
}

int DefaultSetFont(Gadget* g, FontHandle font) {
    g->font = font;
    backend::SetGadgetFont(g->handle, font ? font : backend::DefaultFont());
    return 0;
}

int DefaultActivate(Gadget* g) {
    backend::FocusGadget(g->handle);
    return 0;
}

int DefaultRelease(Gadget*) {
    return 0;
}

// Calls a table entry, or the default when the entry is empty; `missing` is
// the answer for a number without a gadget.
template <typename R, typename... P, typename... A>
R CallOp(int number, R (*GadgetOps::*entry)(Gadget*, P...), R (*fallback)(Gadget*, P...), R missing,
         A&&... args) {
    Gadget* g = FindGadget(number);
    if (!g) return missing;
    R (*fn)(Gadget*, P...) = g->ops ? g->ops->*entry : nullptr;
    return (fn ? fn : fallback)(g, std::forward<A>(args)...);
}

std::intptr_t Create(int number, GadgetKind kind, const Rect& rect, const std::u16string& text,
                     const GadgetOps* ops) {
    auto& t = detail::Gadgets();
    if (t.lists.empty() || (number < 0 && number != AnyNumber)) return 0;
    const bool any = number == AnyNumber;
    if (any)
        number = FreeNumber();
    else if (FindGadget(number))
        FreeGadget(number);
    if (t.lists.empty()) return 0;  // the replaced gadget was the open container

    const NativeHandle parent = t.lists.back();
    const NativeHandle handle = backend::NewGadget(kind, parent, rect, text);
    if (!handle) return 0;
    auto g = std::make_unique<Gadget>();
    g->handle = handle;
    g->ops = ops;
    g->number = number;
    g->kind = kind;
    g->window = t.currentWindow;
    g->parent = parent;
    g->rect = rect;
    t.byHandle[handle] = g.get();
    t.byNumber[number] = std::move(g);
    return any ? number : handle;
}

void FreeOne(Gadget* g) {
    auto& t = detail::Gadgets();
    const int number = g->number;
    const NativeHandle handle = g->handle;
    (g->ops && g->ops->release ? g->ops->release : DefaultRelease)(g);
    detail::ForgetGadgetBindings(number);
    std::erase(t.lists, handle);
    t.byHandle.erase(handle);
    t.byNumber.erase(number);
    backend::DestroyGadget(handle);
}

// Frees the gadgets whose parent is `parent`, each after its own children.
void FreeChildren(NativeHandle parent) {
    std::vector<int> children;
    for (auto& [number, g] : detail::Gadgets().byNumber)
        if (g->parent == parent) children.push_back(number);
    for (int number : children)
        FreeGadget(number);
}

Rect RectOf(int number) {
    const Gadget* g = FindGadget(number);
    return g ? g->rect : Rect{};
}

}  // namespace

namespace detail {

void FreeWindowGadgets(int window) {
    std::vector<int> roots;
    for (auto& [number, g] : Gadgets().byNumber)
        if (g->window == window && !FindGadgetByHandle(g->parent)) roots.push_back(number);
    for (int number : roots)
        FreeGadget(number);
}

}  // namespace detail

const GadgetOps* CanvasOps() {
    return &CanvasTable;
}

std::intptr_t NewCanvas(int number, int x, int y, int w, int h, unsigned flags) {
    const std::intptr_t result =
        Create(number, GadgetKind::Canvas, {x, y, w, h}, u"", &CanvasTable);
    if (!result) return 0;
    Gadget* g = number == AnyNumber ? FindGadget(static_cast<int>(result)) : FindGadget(number);
    g->surface = std::make_unique<Surface>(w, h, BlankCanvasColor);
    backend::PresentCanvas(g->handle, *g->surface);
    if (flags & CanvasContainer) detail::Gadgets().lists.push_back(g->handle);
    return result;
}

std::intptr_t NewStringField(int number, int x, int y, int w, int h, const std::u16string& text) {
    return Create(number, GadgetKind::StringField, {x, y, w, h}, text, &StringFieldTable);
}

std::intptr_t NewCheckBox(int number, int x, int y, int w, int h, const std::u16string& text) {
    return Create(number, GadgetKind::CheckBox, {x, y, w, h}, text, &CheckBoxTable);
}

std::intptr_t NewText(int number, int x, int y, int w, int h, const std::u16string& text) {
    return Create(number, GadgetKind::Text, {x, y, w, h}, text, &TextTable);
}

std::intptr_t NewImageGadget(int number, int x, int y, int w, int h, ImageHandle image) {
    const std::intptr_t result = Create(number, GadgetKind::Image, {x, y, w, h}, u"", &ImageTable);
    if (result && image) {
        SetGadgetImage(number == AnyNumber ? static_cast<int>(result) : number, image);
    }
    return result;
}

void CloseGadgetList() {
    auto& lists = detail::Gadgets().lists;
    if (lists.size() > 1) lists.pop_back();
}

void FreeGadget(int number) {
    Gadget* g = FindGadget(number);
    if (!g) return;
    FreeChildren(g->handle);
    FreeOne(g);
}

Gadget* FindGadget(int number) {
    auto& byNumber = detail::Gadgets().byNumber;
    auto it = byNumber.find(number);
    return it == byNumber.end() ? nullptr : it->second.get();
}

Gadget* FindGadgetByHandle(NativeHandle handle) {
    auto& byHandle = detail::Gadgets().byHandle;
    auto it = byHandle.find(handle);
    return it == byHandle.end() ? nullptr : it->second;
}

bool IsGadget(int number) {
    return FindGadget(number) != nullptr;
}

NativeHandle GadgetHandle(int number) {
    Gadget* g = FindGadget(number);
    return g ? g->handle : 0;
}

GadgetKind GadgetKindOf(int number) {
    Gadget* g = FindGadget(number);
    return g ? g->kind : GadgetKind::None;
}

void SetGadgetOps(Gadget* g, const GadgetOps* ops) {
    g->ops = ops;
}

int GetGadgetState(int number) {
    return CallOp(number, &GadgetOps::getState, DefaultGetState, 0);
}

void SetGadgetState(int number, int state) {
    CallOp(number, &GadgetOps::setState, DefaultSetState, 0, state);
}

std::u16string GetGadgetText(int number) {
    return CallOp(number, &GadgetOps::getText, DefaultGetText, std::u16string());
}

void SetGadgetText(int number, const std::u16string& text) {
    CallOp(number, &GadgetOps::setText, DefaultSetText, 0, text);
}

void ResizeGadget(int number, int x, int y, int w, int h) {
    CallOp(number, &GadgetOps::resize, DefaultResize, 0, x, y, w, h);
}

std::int64_t GetGadgetAttribute(int number, int attribute) {
    return CallOp(number, &GadgetOps::getAttribute, DefaultGetAttribute, std::int64_t{0},
                  attribute);
}

void SetGadgetAttribute(int number, int attribute, std::int64_t value) {
    CallOp(number, &GadgetOps::setAttribute, DefaultSetAttribute, std::int64_t{0}, attribute,
           value);
}

void SetGadgetColor(int number, int slot, Color color) {
    CallOp(number, &GadgetOps::setColor, DefaultSetColor, 0, slot, color);
}

Color GetGadgetColor(int number, int slot) {
    return CallOp(number, &GadgetOps::getColor, DefaultGetColor, Color{-1}, slot);
}

FontHandle GetGadgetFont(int number) {
    return CallOp(number, &GadgetOps::getFont, DefaultGetFont, FontHandle{0});
}

void SetGadgetFont(int number, FontHandle font) {
    CallOp(number, &GadgetOps::setFont, DefaultSetFont, 0, font);
}

void SetActiveGadget(int number) {
    CallOp(number, &GadgetOps::activate, DefaultActivate, 0);
}

int GadgetX(int number) {
    return RectOf(number).x;
}
int GadgetY(int number) {
    return RectOf(number).y;
}
int GadgetWidth(int number) {
    return RectOf(number).width;
}
int GadgetHeight(int number) {
    return RectOf(number).height;
}

Point GadgetScreenPosition(int number) {
    const Gadget* g = FindGadget(number);
    if (!g) return {};
    Point p{g->rect.x, g->rect.y};
    for (const Gadget* parent = FindGadgetByHandle(g->parent); parent;
         parent = FindGadgetByHandle(parent->parent)) {
        p.x += parent->rect.x;
        p.y += parent->rect.y;
    }
    // Windows are borderless: their inner area starts at their corner.
    return {p.x + WindowX(g->window), p.y + WindowY(g->window)};
}

void HideGadget(int number, bool hide) {
    if (Gadget* g = FindGadget(number)) {
        g->hidden = hide;
        backend::SetGadgetVisible(g->handle, !hide);
    }
}

bool IsGadgetHidden(int number) {
    Gadget* g = FindGadget(number);
    return g && g->hidden;
}

void DisableGadget(int number, bool disable) {
    if (Gadget* g = FindGadget(number)) {
        g->disabled = disable;
        backend::SetGadgetEnabled(g->handle, !disable);
    }
}

bool IsGadgetDisabled(int number) {
    Gadget* g = FindGadget(number);
    return g && g->disabled;
}

void SetGadgetData(int number, std::intptr_t data) {
    if (Gadget* g = FindGadget(number)) g->data = data;
}

std::intptr_t GetGadgetData(int number) {
    Gadget* g = FindGadget(number);
    return g ? g->data : 0;
}

void SetGadgetImage(int number, ImageHandle image) {
    Gadget* g = FindGadget(number);
    const Surface* picture = ImageSurface(image);
    if (!g) return;
    if (g->kind == GadgetKind::Image) {
        if (picture)
            g->surface = std::make_unique<Surface>(*picture);
        else
            g->surface.reset();
        backend::ShowImage(g->handle, g->surface.get());
    } else if (g->kind == GadgetKind::Canvas && g->surface && picture) {
        CopySurface(*g->surface, *picture, 0, 0);
        backend::PresentCanvas(g->handle, *g->surface);
    }
}

void PostFieldSelection(int number, int start, int end) {
    Gadget* g = FindGadget(number);
    if (g && g->kind == GadgetKind::StringField) backend::PostFieldSelection(g->handle, start, end);
}

}  // namespace tk
