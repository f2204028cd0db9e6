// Points and rectangles in glyph pixels.
#pragma once

namespace glyphora {

struct PixelPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PixelPoint&) const = default;
};

// Glyph pixels, Right and Bottom exclusive.
struct PixelRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int width() const { return Right - Left; }
    int height() const { return Bottom - Top; }
    bool isEmpty() const { return Right <= Left || Bottom <= Top; }
    bool contains(PixelPoint p) const { return p.x >= Left && p.x < Right && p.y >= Top && p.y < Bottom; }
    bool operator==(const PixelRect&) const = default;
};

// The box spanning two pixels, both included.
inline PixelRect SpanRect(PixelPoint a, PixelPoint b) {
    return {a.x < b.x ? a.x : b.x, a.y < b.y ? a.y : b.y, (a.x > b.x ? a.x : b.x) + 1, (a.y > b.y ? a.y : b.y) + 1};
}

}  // namespace glyphora
