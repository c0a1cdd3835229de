#include "toolkit/drawing.h"

#include "toolkit/backend.h"
#include "toolkit/gadgets.h"
#include "toolkit/images.h"

namespace tk {

Drawing::Drawing(Surface* surface, NativeHandle canvas) : surface_(surface), canvas_(canvas) {}

Drawing Drawing::OnCanvas(int gadget) {
    Gadget* g = FindGadget(gadget);
    if (!g || g->kind != GadgetKind::Canvas || !g->surface) return Drawing(nullptr, 0);
    return Drawing(g->surface.get(), g->handle);
}

Drawing Drawing::OnImage(int image) {
    return Drawing(ImageSurface(ImageID(image)), 0);
}

Drawing::Drawing(Drawing&& other) noexcept
    : surface_(other.surface_), canvas_(other.canvas_), font_(other.font_) {
    other.surface_ = nullptr;
    other.canvas_ = 0;
}

Drawing::~Drawing() {
    if (surface_ && canvas_) backend::PresentCanvas(canvas_, *surface_);
}

int Drawing::Width() const {
    return surface_ ? surface_->width : 0;
}
int Drawing::Height() const {
    return surface_ ? surface_->height : 0;
}

void Drawing::Fill(int x, int y, int w, int h, Color color) {
    if (surface_) FillRect(*surface_, x, y, w, h, color);
}

void Drawing::Outline(int x, int y, int w, int h, Color color) {
    if (surface_) OutlineRect(*surface_, x, y, w, h, color);
}

void Drawing::Line(int x1, int y1, int x2, int y2, Color color) {
    if (surface_) DrawLine(*surface_, x1, y1, x2, y2, color);
}

void Drawing::HorizontalGradient(int x, int y, int w, int h, Color left, Color right) {
    if (surface_) FillHorizontalGradient(*surface_, x, y, w, h, left, right);
}

void Drawing::Image(ImageHandle image, int x, int y) {
    const Surface* src = ImageSurface(image);
    if (surface_ && src && src != surface_) CopySurface(*surface_, *src, x, y);
}

void Drawing::SetFont(FontHandle font) {
    font_ = font;
}

void Drawing::Text(int x, int y, const std::u16string& text, Color front, Color back) {
    if (surface_ && !text.empty())
        backend::DrawText(*surface_, font_ ? font_ : backend::DefaultFont(), x, y, text, front,
                          back, true);
}

void Drawing::TransparentText(int x, int y, const std::u16string& text, Color front) {
    if (surface_ && !text.empty())
        backend::DrawText(*surface_, font_ ? font_ : backend::DefaultFont(), x, y, text, front, 0,
                          false);
}

int Drawing::TextWidth(const std::u16string& text) const {
    if (text.empty()) return 0;
    return backend::MeasureText(font_ ? font_ : backend::DefaultFont(), text).width;
}

int Drawing::TextHeight(const std::u16string& text) const {
    if (text.empty()) return 0;
    return backend::MeasureText(font_ ? font_ : backend::DefaultFont(), text).height;
}

Color Drawing::PixelAt(int x, int y) const {
    return surface_ ? tk::PixelAt(*surface_, x, y) : -1;
}

}  // namespace tk
