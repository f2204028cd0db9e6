#include "WidthOptimizing.h"

#include "GlyphAlgorithms.h"
#include "GlyphRows.h"

namespace glyphora {

std::optional<GlyphRowsOfWidth> OptimizedGlyph(const std::vector<uint8_t>& rows, int width, int height) {
    const MonoImage image = GlyphRowsToImage(rows, width, height);
    // Ink that lies only in the spare bits beyond the width is not the
    // glyph's: trimming it away would leave a glyph of no columns.
    if (!HasInk(image, width, height)) return std::nullopt;
    const TrimmedGlyph trimmed = OptimizeWidth(image, width, height);
    if (trimmed.width == width && trimmed.image.copy(0, 0, width, height) == image.copy(0, 0, width, height))
        return std::nullopt;
    return GlyphRowsOfWidth{trimmed.width, GlyphImageToRows(trimmed.image, trimmed.width, height)};
}

}  // namespace glyphora
