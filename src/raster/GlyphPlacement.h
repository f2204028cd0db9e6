// How a picture drawn by a desktop font becomes a glyph of a set: the
// baseline row it lands on, a picture wider than the widest glyph cut or
// squeezed, the ink lost on the way noticed, and the width trimmed as
// "Optimize the chosen symbols on width" does.
#pragma once

#include "MonoImage.h"

#include <optional>

namespace glyphora {

inline constexpr int kRenderedMaxWidth = 15;

// A drawn glyph: `width` 1 to 15, the image GlyphImageWidth(width) x height
// with paper beyond the width and below the drawing.
struct GlyphPicture {
    MonoImage image;
    int width = 1;
};

enum class WideGlyphs { Cut, Shrink };
struct GlyphPlacement {
    int height = 1;
    // The row the baseline lands on; nothing: the picture's top row is the
    // glyph's (the one-glyph contract's own rule).
    std::optional<int> baseline;
    WideGlyphs wide = WideGlyphs::Cut;  // a picture wider than 15: its right columns cut, or squeezed to 15
    bool trim = false;                  // widths trimmed afterwards as "Optimize" does
};

struct PlacedGlyph {
    GlyphPicture picture;
    bool cut = false;  // ink was lost: right of column 15, above row 0 or below the set
};

// `drawn` is the whole character, its top-left pixel at (0, 0); `ascent` is
// its baseline's row, needed only when a baseline is asked for.
PlacedGlyph PlaceGlyph(const MonoImage& drawn, std::optional<int> ascent, const GlyphPlacement& placement);

}  // namespace glyphora
