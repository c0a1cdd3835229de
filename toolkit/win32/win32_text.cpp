// GDI fonts, and GDI text drawn into a toolkit pixel buffer through a DIB
// section selected into a memory DC.
#include <algorithm>
#include <cstring>

#include "toolkit/backend.h"
#include "toolkit/win32/win32_backend.h"

namespace tk::win32 {
namespace {

HFONT FontOf(FontHandle font) {
    return font ? reinterpret_cast<HFONT>(font) : Win32Backend().defaultFont;
}

struct TextCell {
    SIZE extent{};
    int overhang = 0;  // how far italic or proof glyphs may reach past the advance
};

TextCell Measure(HDC dc, const std::u16string& text) {
    TextCell cell;
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    GetTextExtentPoint32W(dc, Win32Text(text), static_cast<int>(text.size()), &cell.extent);
    cell.extent.cy = metrics.tmHeight;
    cell.overhang = metrics.tmOverhang + metrics.tmAveCharWidth;
    return cell;
}

}  // namespace
}  // namespace tk::win32

namespace tk::backend {

using namespace tk::win32;

FontHandle NewFont(const std::u16string& face, int pixelHeight, unsigned flags) {
    if (pixelHeight < 1) pixelHeight = 1;
    HFONT font =
        CreateFontW(-pixelHeight, 0, 0, 0, flags & FontBold ? FW_BOLD : FW_NORMAL,
                    (flags & FontItalic) != 0, (flags & FontUnderline) != 0,
                    (flags & FontStrikeOut) != 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, flags & FontHighQuality ? PROOF_QUALITY : DEFAULT_QUALITY,
                    DEFAULT_PITCH | FF_DONTCARE, Win32Text(face));
    return reinterpret_cast<FontHandle>(font);
}

void FreeFont(FontHandle font) {
    HFONT f = reinterpret_cast<HFONT>(font);
    if (f && f != Win32Backend().defaultFont) DeleteObject(f);
}

FontHandle DefaultFont() {
    return reinterpret_cast<FontHandle>(Win32Backend().defaultFont);
}

Size MeasureText(FontHandle font, const std::u16string& text) {
    HDC dc = Win32Backend().measureDc;
    if (!dc) return {};
    HGDIOBJ old = SelectObject(dc, FontOf(font));
    const TextCell cell = Measure(dc, text);
    SelectObject(dc, old);
    return {cell.extent.cx, cell.extent.cy};
}

void DrawText(Surface& surface, FontHandle font, int x, int y, const std::u16string& text,
              Color front, Color back, bool opaque) {
    HDC dc = Win32Backend().measureDc;
    if (!dc || surface.width == 0 || surface.height == 0 || text.empty()) return;
    HGDIOBJ oldFont = SelectObject(dc, FontOf(font));
    const TextCell cell = Measure(dc, text);

    // Only the area the text can touch goes through GDI, clipped to the surface.
    const int left = std::max(0, x - cell.overhang);
    const int top = std::max(0, y);
    const int right = std::min(surface.width, x + static_cast<int>(cell.extent.cx) + cell.overhang);
    const int bottom = std::min(surface.height, y + static_cast<int>(cell.extent.cy));
    if (right <= left || bottom <= top) {
        SelectObject(dc, oldFont);
        return;
    }
    const int w = right - left, h = bottom - top;
    const BITMAPINFO info = Win32DibInfo(w, h);
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dib || !bits) {
        if (dib) DeleteObject(dib);
        SelectObject(dc, oldFont);
        return;
    }
    auto* area = static_cast<std::uint32_t*>(bits);
    for (int row = 0; row < h; ++row)
        std::memcpy(area + std::size_t(row) * w,
                    surface.pixels.data() + std::size_t(top + row) * surface.width + left,
                    std::size_t(w) * 4);

    HGDIOBJ oldBitmap = SelectObject(dc, dib);
    SetTextColor(dc, Win32Color(front));
    SetBkColor(dc, Win32Color(back));
    SetBkMode(dc, opaque ? OPAQUE : TRANSPARENT);
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    TextOutW(dc, x - left, y - top, Win32Text(text), static_cast<int>(text.size()));
    GdiFlush();
    SelectObject(dc, oldBitmap);
    SelectObject(dc, oldFont);

    // GDI clears the top byte of what it touches; the buffer keeps it set.
    for (int row = 0; row < h; ++row) {
        std::uint32_t* out = surface.pixels.data() + std::size_t(top + row) * surface.width + left;
        const std::uint32_t* in = area + std::size_t(row) * w;
        for (int col = 0; col < w; ++col)
            out[col] = in[col] | 0xFF000000u;
    }
    DeleteObject(dib);
}

}  // namespace tk::backend
