#include "Raster.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <vector>

namespace glyphora {

void PaintPixel(MonoImage& image, int x, int y, Pen pen) {
    if (!image.contains(x, y)) return;
    if (pen.mode == PenMode::Copy) {
        image.setPixel(x, y, pen.colour);
    } else if (pen.colour == Pixel::Ink) {
        image.setPixel(x, y, image.pixel(x, y) == Pixel::Ink ? Pixel::Paper : Pixel::Ink);
    }
}

void DrawLine(MonoImage& image, PixelPoint from, PixelPoint to, Pen pen) {
    const int dx = std::abs(to.x - from.x), sx = from.x < to.x ? 1 : -1;
    const int dy = -std::abs(to.y - from.y), sy = from.y < to.y ? 1 : -1;
    int err = dx + dy;
    int x = from.x, y = from.y;
    while (x != to.x || y != to.y) {
        PaintPixel(image, x, y, pen);
        const int e2 = 2 * err;
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

namespace {

PixelRect clipTo(const MonoImage& image, PixelRect r) {
    return {std::max(r.Left, 0), std::max(r.Top, 0), std::min(r.Right, image.width()),
            std::min(r.Bottom, image.height())};
}

// Paints a shape given, row by row, as the outline's leftmost and rightmost
// runs: on each row the pixels [left, leftEnd) and (rightStart, right] are
// outline, the pixels between them interior. Each pixel is painted once.
struct RowSpans {
    int left = INT_MAX, right = INT_MIN;  // outermost outline pixels of the row
    int leftEnd = INT_MIN;                // first pixel after the left outline run
    int rightStart = INT_MAX;             // last pixel before the right outline run
};

void paintRows(MonoImage& image, int top, const std::vector<RowSpans>& rows, Pen outline, std::optional<Pen> interior) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const RowSpans& s = rows[i];
        if (s.left > s.right) continue;
        const int y = top + static_cast<int>(i);
        if (y < 0 || y >= image.height()) continue;
        const int x0 = std::max(s.left, 0), x1 = std::min(s.right, image.width() - 1);
        for (int x = x0; x <= x1; ++x) {
            const bool onOutline = x < s.leftEnd || x > s.rightStart;
            if (onOutline)
                PaintPixel(image, x, y, outline);
            else if (interior)
                PaintPixel(image, x, y, *interior);
        }
    }
}

}  // namespace

void FillRect(MonoImage& image, PixelRect rect, Pixel colour) {
    const PixelRect c = clipTo(image, rect);
    for (int y = c.Top; y < c.Bottom; ++y)
        for (int x = c.Left; x < c.Right; ++x) image.setPixel(x, y, colour);
}

void DrawRectangle(MonoImage& image, PixelRect rect, Pen outline, std::optional<Pen> interior) {
    if (rect.isEmpty()) return;
    std::vector<RowSpans> rows(static_cast<std::size_t>(rect.height()));
    for (int i = 0; i < rect.height(); ++i) {
        const bool edgeRow = i == 0 || i == rect.height() - 1;
        RowSpans& s = rows[static_cast<std::size_t>(i)];
        s.left = rect.Left;
        s.right = rect.Right - 1;
        s.leftEnd = edgeRow ? rect.Right : rect.Left + 1;
        s.rightStart = edgeRow ? rect.Left - 1 : rect.Right - 2;
    }
    paintRows(image, rect.Top, rows, outline, interior);
}

void DrawEllipse(MonoImage& image, PixelRect rect, Pen outline, std::optional<Pen> interior) {
    if (rect.isEmpty()) return;
    const int w = rect.width(), h = rect.height();
    // Outline pixels, in rectangle coordinates, gathered per row (midpoint
    // ellipse through the inclusive box 0..w-1 x 0..h-1, exact for even sizes).
    std::vector<std::vector<int>> rowPoints(static_cast<std::size_t>(h));
    auto plot = [&](long long x, long long y) {
        if (x < 0 || y < 0 || x >= w || y >= h) return;
        rowPoints[static_cast<std::size_t>(y)].push_back(static_cast<int>(x));
    };

    long long x0 = 0, x1 = w - 1, y0 = 0, y1 = h - 1;
    long long a = x1 - x0, b = y1 - y0, b1 = b & 1;
    long long dx = 4 * (1 - a) * b * b, dy = 4 * (b1 + 1) * a * a;
    long long err = dx + dy + b1 * a * a;
    y0 += (b + 1) / 2;
    y1 = y0 - b1;
    a *= 8 * a;
    b1 = 8 * b * b;
    do {
        plot(x1, y0);
        plot(x0, y0);
        plot(x0, y1);
        plot(x1, y1);
        const long long e2 = 2 * err;
        if (e2 <= dy) {
            ++y0;
            --y1;
            err += dy += a;
        }
        if (e2 >= dx || 2 * err > dy) {
            ++x0;
            --x1;
            err += dx += b1;
        }
    } while (x0 <= x1);
    while (y0 - y1 <= b) {  // flat ellipses stop early: finish their tips
        plot(x0 - 1, y0);
        plot(x1 + 1, y0++);
        plot(x0 - 1, y1);
        plot(x1 + 1, y1--);
    }

    std::vector<RowSpans> rows(static_cast<std::size_t>(h));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::vector<int>& pts = rowPoints[i];
        if (pts.empty()) continue;
        std::sort(pts.begin(), pts.end());
        pts.erase(std::unique(pts.begin(), pts.end()), pts.end());
        RowSpans& s = rows[i];
        s.left = rect.Left + pts.front();
        s.right = rect.Left + pts.back();
        // The outline of a convex shape is a run from each side; whatever lies
        // between the two runs is interior.
        int l = 0;
        while (l + 1 < static_cast<int>(pts.size()) &&
               pts[static_cast<std::size_t>(l) + 1] == pts[static_cast<std::size_t>(l)] + 1)
            ++l;
        int r = static_cast<int>(pts.size()) - 1;
        while (r > l && pts[static_cast<std::size_t>(r) - 1] == pts[static_cast<std::size_t>(r)] - 1) --r;
        s.leftEnd = rect.Left + pts[static_cast<std::size_t>(l)] + 1;
        s.rightStart = r > l ? rect.Left + pts[static_cast<std::size_t>(r)] - 1 : s.right;
    }
    paintRows(image, rect.Top, rows, outline, interior);
}

void FloodFill(MonoImage& image, PixelPoint start, Pixel colour) {
    if (!image.contains(start.x, start.y)) return;
    const Pixel target = image.pixel(start.x, start.y);
    if (target == colour) return;
    std::vector<PixelPoint> stack{start};
    while (!stack.empty()) {
        const PixelPoint p = stack.back();
        stack.pop_back();
        if (image.pixel(p.x, p.y) != target) continue;
        int left = p.x, right = p.x;
        while (left > 0 && image.pixel(left - 1, p.y) == target) --left;
        while (right < image.width() - 1 && image.pixel(right + 1, p.y) == target) ++right;
        for (int x = left; x <= right; ++x) image.setPixel(x, p.y, colour);
        for (const int y : {p.y - 1, p.y + 1}) {
            if (y < 0 || y >= image.height()) continue;
            bool inRun = false;
            for (int x = left; x <= right; ++x) {
                const bool match = image.pixel(x, y) == target;
                if (match && !inRun) stack.push_back({x, y});
                inRun = match;
            }
        }
    }
}

void DrawFocusFrame(MonoImage& image, PixelRect rect) {
    if (rect.isEmpty()) return;
    const Pen invert{Pixel::Ink, PenMode::NotXor};
    auto dot = [&](int x, int y) {
        if (((x - rect.Left) + (y - rect.Top)) % 2 == 0) PaintPixel(image, x, y, invert);
    };
    const PixelRect c = clipTo(image, rect);
    for (int y = c.Top; y < c.Bottom; ++y) {
        if (y == rect.Top || y == rect.Bottom - 1) {
            for (int x = c.Left; x < c.Right; ++x) dot(x, y);
        } else {
            dot(rect.Left, y);
            if (rect.Right - 1 != rect.Left) dot(rect.Right - 1, y);
        }
    }
}

}  // namespace glyphora
