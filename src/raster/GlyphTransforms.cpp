#include "GlyphTransforms.h"

#include "GlyphRows.h"

#include <algorithm>
#include <array>

namespace glyphora {

namespace {

constexpr std::array<GlyphTransformInfo, 8> kTransforms = {{
    {GlyphTransform::FlipHorizontal, "flip-h", "Flip horizontally"},
    {GlyphTransform::FlipVertical, "flip-v", "Flip vertically"},
    {GlyphTransform::Rotate180, "rotate-180", "Rotate 180\u00B0"},
    {GlyphTransform::Invert, "invert", "Invert"},
    {GlyphTransform::ShiftUp, "shift-up", "Shift up"},
    {GlyphTransform::ShiftDown, "shift-down", "Shift down"},
    {GlyphTransform::Bold, "bold", "Bold"},
    {GlyphTransform::Oblique, "oblique", "Oblique"},
}};

int InkIn(const MonoImage& box, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) n += box.isInk(x, y) ? 1 : 0;
    return n;
}

// Each pixel (x, y) of the result taken from source pixel at(x, y).
template <class Source>
MonoImage Remap(const MonoImage& box, Source at) {
    MonoImage out(box.width(), box.height());
    for (int y = 0; y < box.height(); ++y)
        for (int x = 0; x < box.width(); ++x) {
            const PixelPoint from = at(x, y);
            out.setPixel(x, y, box.pixel(from.x, from.y));
        }
    return out;
}

TransformedGlyph Moved(const MonoImage& box, int dy) {
    MonoImage out(box.width(), box.height());
    out.draw(box, 0, dy);
    const int h = box.height();
    const int lost = dy < 0 ? InkIn(box, 0, 0, box.width(), -dy) : InkIn(box, 0, h - dy, box.width(), h);
    return {std::move(out), box.width(), lost};
}

TransformedGlyph Bold(const MonoImage& box, int maxWidth) {
    const int w = box.width(), h = box.height();
    const bool grows = w < maxWidth && InkIn(box, w - 1, 0, w, h) > 0;
    MonoImage out(grows ? w + 1 : w, h);
    out.draw(box);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (box.isInk(x, y)) out.setPixel(x + 1, y, Pixel::Ink);
    const int width = out.width();
    return {std::move(out), width, 0};
}

// Rows above the baseline lean right: the k rows just above it by one pixel,
// the next k by two, and so on, k being a quarter of the height rounded up.
TransformedGlyph Oblique(const MonoImage& box, std::optional<int> baselineRow) {
    const int w = box.width(), h = box.height();
    const int baseline = baselineRow && *baselineRow >= 0 && *baselineRow < h ? *baselineRow : h - 1;
    const int k = (h + 3) / 4;
    MonoImage out(w, h);
    int lost = 0;
    for (int y = 0; y < h; ++y) {
        const int dx = y < baseline ? (baseline - y + k - 1) / k : 0;
        out.draw(box.copy(0, y, w, 1), dx, y);
        lost += InkIn(box, std::max(w - dx, 0), y, w, y + 1);
    }
    return {std::move(out), w, lost};
}

// The transform of a box that holds exactly the glyph's pixels.
TransformedGlyph TransformBox(GlyphTransform transform, const MonoImage& box, std::optional<int> baselineRow,
                              int maxWidth) {
    const int w = box.width(), h = box.height();
    switch (transform) {
    case GlyphTransform::FlipHorizontal:
        return {Remap(box, [w](int x, int y) { return PixelPoint{w - 1 - x, y}; }), w, 0};
    case GlyphTransform::FlipVertical:
        return {Remap(box, [h](int x, int y) { return PixelPoint{x, h - 1 - y}; }), w, 0};
    case GlyphTransform::Rotate180:
        return {Remap(box, [w, h](int x, int y) { return PixelPoint{w - 1 - x, h - 1 - y}; }), w, 0};
    case GlyphTransform::Invert: {
        MonoImage out(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) out.setPixel(x, y, box.isInk(x, y) ? Pixel::Paper : Pixel::Ink);
        return {std::move(out), w, 0};
    }
    case GlyphTransform::ShiftUp: return Moved(box, -1);
    case GlyphTransform::ShiftDown: return Moved(box, 1);
    case GlyphTransform::Bold: return Bold(box, maxWidth);
    case GlyphTransform::Oblique: return Oblique(box, baselineRow);
    }
    return {box, w, 0};
}

}  // namespace

std::span<const GlyphTransformInfo> GlyphTransformTable() { return kTransforms; }

const GlyphTransformInfo& DescribeTransform(GlyphTransform transform) {
    return *std::find_if(kTransforms.begin(), kTransforms.end(),
                         [transform](const GlyphTransformInfo& t) { return t.transform == transform; });
}

std::optional<GlyphTransform> TransformByToolName(std::string_view toolName) {
    for (const GlyphTransformInfo& t : kTransforms)
        if (t.toolName == toolName) return t.transform;
    return std::nullopt;
}

TransformedGlyph TransformGlyph(GlyphTransform transform, const MonoImage& image, int width, int height,
                                std::optional<int> baselineRow, int maxWidth) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    TransformedGlyph done = TransformBox(transform, image.copy(0, 0, width, height), baselineRow, maxWidth);
    MonoImage out(GlyphImageWidth(done.width), height);
    out.draw(done.image);
    done.image = std::move(out);
    return done;
}

TransformedArea TransformArea(GlyphTransform transform, const MonoImage& image, PixelRect rect,
                              std::optional<int> baselineRow) {
    const PixelRect r{std::max(rect.Left, 0), std::max(rect.Top, 0), std::min(rect.Right, image.width()),
                      std::min(rect.Bottom, image.height())};
    if (r.isEmpty()) return {image, 0};
    std::optional<int> baseline;
    if (baselineRow && *baselineRow >= r.Top && *baselineRow < r.Bottom) baseline = *baselineRow - r.Top;
    const TransformedGlyph done =
        TransformBox(transform, image.copy(r.Left, r.Top, r.width(), r.height()), baseline, r.width());
    TransformedArea out{image, done.inkLost};
    out.image.draw(done.image.copy(0, 0, r.width(), r.height()), r.Left, r.Top);
    return out;
}

}  // namespace glyphora
