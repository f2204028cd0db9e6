// Pure algorithms over a glyph's image and width, apart from any editor state:
// the horizontal shift, the blank test and the width trim of "Optimize the
// chosen symbols on width". Images are in the form GlyphRowsToImage gives
// (8 x ceil(width / 8) pixels wide).
#pragma once

#include "MonoImage.h"

namespace glyphora {

// The glyph moved dx columns (left when negative) inside its width x height
// box; columns shifted in are paper. The result is width x height pixels.
MonoImage ShiftImage(const MonoImage& image, int width, int height, int dx);

// No byte of the glyph's rows holds ink, the spare bits of each row's last
// byte included.
bool IsImageBlank(const MonoImage& image, int width, int height);

// Ink inside the glyph's width (spare bits not counted).
bool HasInk(const MonoImage& image, int width, int height);

struct TrimmedGlyph {
    MonoImage image;  // paper beyond the width
    int width = 0;
};

// Blank columns on the left removed, so the leftmost ink lies in column 0.
// A glyph without ink inside its width is returned unchanged.
TrimmedGlyph TrimLeft(const MonoImage& image, int width, int height);

// Exactly one blank column after the rightmost ink: one is added when the ink
// reaches the last column (not past `maxWidth`), blank columns beyond one are
// removed. A glyph 1 pixel wide is never narrowed.
TrimmedGlyph RightMargin(const MonoImage& image, int width, int height, int maxWidth = 15);

// TrimLeft then RightMargin; a glyph without ink inside its width is returned
// unchanged, so no glyph ever becomes narrower than 1 pixel.
TrimmedGlyph OptimizeWidth(const MonoImage& image, int width, int height, int maxWidth = 15);

}  // namespace glyphora
