#include "GlyphPlacement.h"

#include "GlyphAlgorithms.h"
#include "GlyphRows.h"

#include <algorithm>
#include <cstdint>

namespace glyphora {

PlacedGlyph PlaceGlyph(const MonoImage& source, std::optional<int> ascent, const GlyphPlacement& placement) {
    const int height = placement.height;
    // In 64 bits: the ascent is whatever the renderer told, and a row far
    // off the set is only ink cut.
    const int64_t shift = placement.baseline && ascent ? int64_t{*placement.baseline} - int64_t{*ascent} : 0;
    PlacedGlyph placed;
    const int sourceWidth = std::max(1, source.width());
    const bool squeeze = placement.wide == WideGlyphs::Shrink && sourceWidth > kRenderedMaxWidth;
    int width = std::clamp(sourceWidth, 1, kRenderedMaxWidth);
    MonoImage image(GlyphImageWidth(width), height);
    for (int y = 0; y < source.height(); ++y) {
        const int64_t row = y + shift;
        for (int x = 0; x < source.width(); ++x) {
            if (source.pixel(x, y) != Pixel::Ink) continue;
            // Squeezed: source columns fall onto 15 in proportion, their ink joined.
            const int column = squeeze ? x * kRenderedMaxWidth / sourceWidth : x;
            if (row < 0 || row >= height || column >= width) {
                placed.cut = true;
                continue;
            }
            image.setPixel(column, static_cast<int>(row), Pixel::Ink);
        }
    }
    if (placement.trim && HasInk(image, width, height)) {
        TrimmedGlyph trimmed = OptimizeWidth(image, width, height);
        image = std::move(trimmed.image);
        width = trimmed.width;
    }
    placed.picture.image = std::move(image);
    placed.picture.width = width;
    return placed;
}

}  // namespace glyphora
