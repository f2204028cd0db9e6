// "Optimize the chosen symbols on width" without its windows: every glyph of
// a range gets its leftmost ink into column 0 and exactly one blank column
// after its rightmost ink (OptimizeWidth). A glyph without ink inside its
// width is left alone, the spare bits of its rows included, so no glyph ever
// becomes narrower than 1 pixel; a glyph already so is not stored again.
#pragma once

#include "GlyphBatch.h"

namespace glyphora {

BatchResult OptimizeWidths(const std::vector<Symbols>& glyphs, GlyphRange range, int height, const GlyphStore& store,
                           const BatchProgress& progress = {});

}  // namespace glyphora
