// "Optimize the chosen symbols on width" for one stored glyph: its leftmost
// ink into column 0 and exactly one blank column after its rightmost ink
// (OptimizeWidth). A glyph without ink inside its width is left alone, the
// spare bits of its rows included, so no glyph ever becomes narrower than
// 1 pixel; a glyph already so needs no store.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace glyphora {

struct GlyphRowsOfWidth {
    int width = 0;
    std::vector<uint8_t> rows;  // memory form, as GlyphImageToRows gives them
};

// The glyph as the trim leaves it, or nothing when the trim changes nothing.
std::optional<GlyphRowsOfWidth> OptimizedGlyph(const std::vector<uint8_t>& rows, int width, int height);

}  // namespace glyphora
