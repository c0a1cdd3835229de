#include "toolkit/surface.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tk {

namespace {

int ClampedSize(int n) {
    return n < 0 ? 0 : n;
}

void Plot(Surface& s, std::int64_t x, std::int64_t y, std::uint32_t p) {
    if (x >= 0 && y >= 0 && x < s.width && y < s.height) s.pixels[y * s.width + x] = p;
}

}  // namespace

Surface::Surface(int w, int h, Color fill)
    : width(ClampedSize(w)),
      height(ClampedSize(h)),
      pixels(static_cast<std::size_t>(width) * height, PixelFromColor(fill)) {}

void Surface::Resize(int w, int h, Color fill) {
    Surface resized(w, h, fill);
    CopySurface(resized, *this, 0, 0);
    *this = std::move(resized);
}

std::uint32_t PixelFromColor(Color c) {
    auto u = static_cast<std::uint32_t>(c);
    return 0xFF000000u | ((u & 0xFF) << 16) | (u & 0xFF00) | ((u >> 16) & 0xFF);
}

Color ColorFromPixel(std::uint32_t p) {
    return static_cast<Color>(((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF));
}

void FillRect(Surface& s, int x, int y, int w, int h, Color c) {
    const std::int64_t x0 = std::max<std::int64_t>(x, 0);
    const std::int64_t y0 = std::max<std::int64_t>(y, 0);
    const std::int64_t x1 = std::min<std::int64_t>(std::int64_t{x} + w, s.width);
    const std::int64_t y1 = std::min<std::int64_t>(std::int64_t{y} + h, s.height);
    const std::uint32_t p = PixelFromColor(c);
    for (std::int64_t row = y0; row < y1; ++row) {
        auto* line = s.pixels.data() + row * s.width;
        std::fill(line + x0, line + std::max(x0, x1), p);
    }
}

void OutlineRect(Surface& s, int x, int y, int w, int h, Color c) {
    if (w <= 0 || h <= 0) return;
    FillRect(s, x, y, w, 1, c);
    FillRect(s, x, static_cast<int>(std::int64_t{y} + h - 1), w, 1, c);
    FillRect(s, x, y, 1, h, c);
    FillRect(s, static_cast<int>(std::int64_t{x} + w - 1), y, 1, h, c);
}

void DrawLine(Surface& s, int x1, int y1, int x2, int y2, Color c) {
    // A line wholly beyond one side of the surface cannot touch it.
    if ((x1 < 0 && x2 < 0) || (y1 < 0 && y2 < 0) || (x1 >= s.width && x2 >= s.width) ||
        (y1 >= s.height && y2 >= s.height))
        return;
    const std::uint32_t p = PixelFromColor(c);
    std::int64_t x = x1, y = y1;
    const std::int64_t dx = std::llabs(std::int64_t{x2} - x1);
    const std::int64_t dy = -std::llabs(std::int64_t{y2} - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    std::int64_t err = dx + dy;
    for (;;) {
        Plot(s, x, y, p);
        if (x == x2 && y == y2) break;
        const std::int64_t e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void FillHorizontalGradient(Surface& s, int x, int y, int w, int h, Color left, Color right) {
    if (w <= 0) return;
    auto channel = [](Color c, int shift) {
        return (static_cast<std::uint32_t>(c) >> shift) & 0xFF;
    };
    for (int col = 0; col < w; ++col) {
        const double t = static_cast<double>(col) / w;
        Color mixed = 0;
        for (int shift : {0, 8, 16}) {
            const double v = channel(left, shift) * (1.0 - t) + channel(right, shift) * t;
            mixed |= static_cast<Color>(std::lround(v)) << shift;
        }
        FillRect(s, static_cast<int>(std::int64_t{x} + col), y, 1, h, mixed);
    }
}

void CopySurface(Surface& dst, const Surface& src, int x, int y) {
    const std::int64_t col0 = std::max<std::int64_t>(0, -std::int64_t{x});
    const std::int64_t col1 = std::min<std::int64_t>(src.width, std::int64_t{dst.width} - x);
    if (col0 >= col1) return;
    for (int row = 0; row < src.height; ++row) {
        const std::int64_t dy = std::int64_t{y} + row;
        if (dy < 0 || dy >= dst.height) continue;
        const auto* from = src.pixels.data() + std::size_t(row) * src.width;
        std::copy(from + col0, from + col1, dst.pixels.data() + dy * dst.width + x + col0);
    }
}

void EnlargeNearest(Surface& dst, const Surface& src, int factor) {
    if (factor < 1) return;
    const int w = std::min<std::int64_t>(dst.width, std::int64_t{src.width} * factor);
    const int h = std::min<std::int64_t>(dst.height, std::int64_t{src.height} * factor);
    if (w <= 0 || h <= 0) return;
    // Each source row is spread once, in runs of factor pixels, and the
    // following rows of its block are copies of that one: the magnifier does
    // this on every tick.
    for (int y = 0; y < h; y += factor) {
        const auto* from = src.pixels.data() + std::size_t(y / factor) * src.width;
        auto* row = dst.pixels.data() + std::size_t(y) * dst.width;
        for (int x = 0, sx = 0; x < w; x += factor, ++sx)
            std::fill_n(row + x, std::min(factor, w - x), from[sx]);
        for (int copy = y + 1; copy < std::min(h, y + factor); ++copy)
            std::copy_n(row, w, dst.pixels.data() + std::size_t(copy) * dst.width);
    }
}

Color PixelAt(const Surface& s, int x, int y) {
    if (x < 0 || y < 0 || x >= s.width || y >= s.height) return -1;
    return ColorFromPixel(s.pixels[std::size_t(y) * s.width + x]);
}

}  // namespace tk
