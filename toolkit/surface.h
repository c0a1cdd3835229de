// Pixel buffers of canvases and images, and the drawing primitives that work
// on them. Everything here is portable and pixel-exact; only text is drawn by
// the backend's font engine (see backend.h).
#pragma once

#include <cstdint>
#include <vector>

#include "toolkit/types.h"

namespace tk {

// Words are 0xFFRRGGBB, which a 32-bit native image reads directly (the top
// byte is set because some font engines treat it as alpha; nothing reads it).
struct Surface {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    Surface() = default;
    Surface(int w, int h, Color fill);
    // Changes the size, keeping what was drawn at the top left and filling
    // the new area with the given colour.
    void Resize(int w, int h, Color fill);
};

std::uint32_t PixelFromColor(Color c);
Color ColorFromPixel(std::uint32_t pixel);

// The area of columns x..x+w-1 and rows y..y+h-1, clipped to the surface.
void FillRect(Surface& s, int x, int y, int w, int h, Color c);
// A one-pixel border on the same area.
void OutlineRect(Surface& s, int x, int y, int w, int h, Color c);
// A one-pixel line that includes both end points.
void DrawLine(Surface& s, int x1, int y1, int x2, int y2, Color c);
// Left colour at column x, approaching the right colour at column x + w.
void FillHorizontalGradient(Surface& s, int x, int y, int w, int h, Color left, Color right);
// Copies src with its top-left corner at (x, y).
void CopySurface(Surface& dst, const Surface& src, int x, int y);
// Nearest-neighbour enlargement: every pixel of src becomes a factor x factor
// block of dst, from dst's top left; what does not fit in dst is dropped.
void EnlargeNearest(Surface& dst, const Surface& src, int factor);
// The colour of one pixel, or -1 outside the surface.
Color PixelAt(const Surface& s, int x, int y);

}  // namespace tk
