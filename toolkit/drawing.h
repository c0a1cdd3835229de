// Drawing on a canvas or an image. A Drawing is open from its creation to its
// destruction; closing a drawing on a canvas shows the whole picture at once.
#pragma once

#include <string>

#include "toolkit/surface.h"
#include "toolkit/types.h"

namespace tk {

class Drawing {
  public:
    // A drawing that is not open (false) when the canvas or image is missing.
    static Drawing OnCanvas(int gadget);
    static Drawing OnImage(int image);

    Drawing(Drawing&& other) noexcept;
    Drawing& operator=(Drawing&&) = delete;
    Drawing(const Drawing&) = delete;
    ~Drawing();

    explicit operator bool() const { return surface_ != nullptr; }
    int Width() const;
    int Height() const;

    void Fill(int x, int y, int w, int h, Color color);
    void Outline(int x, int y, int w, int h, Color color);
    void Line(int x1, int y1, int x2, int y2, Color color);
    // Left colour at the left edge, approaching the right colour at x + w.
    void HorizontalGradient(int x, int y, int w, int h, Color left, Color right);
    void Image(ImageHandle image, int x, int y);

    // Text uses the font set here, the platform's default gadget font until then.
    void SetFont(FontHandle font);
    void Text(int x, int y, const std::u16string& text, Color front, Color back);
    void TransparentText(int x, int y, const std::u16string& text, Color front);
    // Size of the text in the current font; 0 for an empty text.
    int TextWidth(const std::u16string& text) const;
    int TextHeight(const std::u16string& text) const;

    Color PixelAt(int x, int y) const;  // -1 outside

  private:
    Drawing(Surface* surface, NativeHandle canvas);
    Surface* surface_ = nullptr;
    NativeHandle canvas_ = 0;  // where to show the picture when done, 0 for images
    FontHandle font_ = 0;
};

}  // namespace tk
