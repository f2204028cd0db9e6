// Drawing one character with FreeType into a 1-bit image: monochrome hinting, no
// smoothing, the pen's origin at x = 0 and the baseline at the ascent.
#pragma once

#include <MonoImage.h>
#include "Error.h"
#include "FontChoice.h"

#include <cstdint>

namespace glyphora::runecast {

// Neither side of the picture exceeds this many pixels; ink beyond is dropped.
inline constexpr int kMaxSide = 4096;

// height follows the logical-font convention (negative: em size in pixels,
// positive: cell height). A scalable font is scaled to it; a bitmap font
// (PCF, BDF, OTB) uses its strike nearest to it.
//
// The picture is the font's line height tall (ascent and descent, each
// rounded to whole pixels; for a cell height the descent takes what the
// ascent leaves) and the character's advance wide, at least 1 pixel. Ink that
// falls left of the origin, right of the advance, above the ascent or below
// the descent is clipped: the cell is what the editor stores as the glyph.
//
// A font without a glyph for the code fails with ErrorKind::Unsupported; a
// file that cannot be opened with Missing or Io; a file FreeType cannot read
// or draw with Malformed.
Result<MonoImage> RenderGlyph(const FontChoice& font, int height, uint16_t code);

}  // namespace glyphora::runecast
