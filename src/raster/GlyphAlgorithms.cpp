#include "GlyphAlgorithms.h"

#include "GlyphRows.h"

#include <algorithm>

namespace glyphora {

namespace {

bool ColumnHasInk(const MonoImage& image, int x, int height) {
    for (int y = 0; y < height; ++y)
        if (image.isInk(x, y)) return true;
    return false;
}

// The glyph's own columns on paper, in an image of the width's whole bytes.
MonoImage Within(const MonoImage& image, int width, int height) {
    MonoImage out(GlyphImageWidth(width), height);
    out.draw(image.copy(0, 0, width, height));
    return out;
}

}  // namespace

MonoImage ShiftImage(const MonoImage& image, int width, int height, int dx) {
    MonoImage out(width, height);
    out.draw(image, dx, 0);
    return out;
}

bool IsImageBlank(const MonoImage& image, int width, int height) {
    const std::size_t bytes = static_cast<std::size_t>((std::max(width, 0) + 7) / 8);
    for (int y = 0; y < std::min(height, image.height()); ++y) {
        const auto row = image.row(y);
        for (std::size_t k = 0; k < std::min(bytes, row.size()); ++k)
            if (row[k] != 0xFF) return false;
    }
    return true;
}

bool HasInk(const MonoImage& image, int width, int height) {
    for (int x = 0; x < width; ++x)
        if (ColumnHasInk(image, x, height)) return true;
    return false;
}

TrimmedGlyph TrimLeft(const MonoImage& image, int width, int height) {
    if (!HasInk(image, width, height)) return {image, width};
    int first = 0;
    while (!ColumnHasInk(image, first, height)) ++first;
    const int trimmed = width - first;
    return {Within(ShiftImage(image, width, height, -first), trimmed, height), trimmed};
}

TrimmedGlyph RightMargin(const MonoImage& image, int width, int height, int maxWidth) {
    if (!HasInk(image, width, height)) return {image, width};
    int last = width - 1;
    while (!ColumnHasInk(image, last, height)) --last;
    // Ink in the last column gets a blank column after it while the width
    // allows one; otherwise the blank columns beyond the first are dropped.
    const int result = last == width - 1 ? (width < maxWidth ? width + 1 : width) : last + 2;
    return {Within(image, std::min(result, width), height).copy(0, 0, GlyphImageWidth(result), height), result};
}

TrimmedGlyph OptimizeWidth(const MonoImage& image, int width, int height, int maxWidth) {
    if (!HasInk(image, width, height)) return {image, width};
    const TrimmedGlyph left = TrimLeft(image, width, height);
    return RightMargin(left.image, left.width, height, maxWidth);
}

}  // namespace glyphora
