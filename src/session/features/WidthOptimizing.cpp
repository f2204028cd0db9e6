#include "WidthOptimizing.h"

#include <GlyphAlgorithms.h>
#include <GlyphRows.h>

#include <algorithm>

namespace glyphora {

BatchResult OptimizeWidths(const std::vector<Symbols>& glyphs, GlyphRange range, int height, const GlyphStore& store,
                           const BatchProgress& progress) {
    BatchResult result;
    range = ClampRange(range, static_cast<int>(glyphs.size()));
    const int total = result.total = std::max(0, range.to - range.from + 1);
    for (int g = range.from; g <= range.to; ++g) {
        const Symbols& glyph = glyphs[static_cast<std::size_t>(g)];
        const int width = glyph.Width;
        const MonoImage image = GlyphRowsToImage(glyph.Data, width, height);
        // Ink that lies only in the spare bits beyond the width is not the
        // glyph's: trimming it away would leave a glyph of no columns.
        if (HasInk(image, width, height)) {
            const TrimmedGlyph trimmed = OptimizeWidth(image, width, height);
            if (trimmed.width != width || trimmed.image.copy(0, 0, width, height) != image.copy(0, 0, width, height)) {
                store(g, static_cast<uint8_t>(trimmed.width), GlyphImageToRows(trimmed.image, trimmed.width, height));
                ++result.changed;
            }
        }
        ++result.done;
        if (progress && !progress(result.done, total)) {
            result.cancelled = result.done < total;
            break;
        }
    }
    return result;
}

}  // namespace glyphora
