// Turns a 16-pixel Unifont glyph into a phone-style glyph: a band of its rows,
// optionally magnified, trimmed to the ink plus one spacing column.
#pragma once

#include "UnifontHex.h"

#include <cstdint>
#include <vector>

namespace glyphora::demo {

struct ShapeRule {
    int height = kUnifontHeight;  // rows of the shaped glyph
    int bandTop = 0;              // first Unifont row used
    int scale = 1;                // each source pixel becomes scale x scale pixels
};

struct ShapedGlyph {
    int width = 0;                  // 1..15
    std::vector<uint8_t> fileRows;  // file form: 1 = ink, 1 or 2 bytes per row
};

// The band is height / scale rows from bandTop; a glyph whose ink would be cut
// by it but fits its size is moved just enough to keep all its ink.
ShapedGlyph ShapeGlyph(const UnifontGlyph& glyph, const ShapeRule& rule);

}  // namespace glyphora::demo
