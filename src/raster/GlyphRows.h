// A glyph's stored rows (memory form: 0 = ink, one byte a row up to 8 pixels,
// two above) and the editor's 1-bit image of it, both ways. The image is 8 x
// ceil(width / 8) pixels wide, so the spare bits of a stored row (the pixels
// beyond the width within its last byte) travel with it unchanged.
#pragma once

#include "MonoImage.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace glyphora {

// Bytes per stored row of a glyph of this width: 2 above 8 pixels, else 1.
inline int BytesPerRow(int width) { return width > 8 ? 2 : 1; }

// Bytes a glyph of this width and height occupies (width 0 keeps 1 byte per row).
std::size_t GlyphDataSize(int width, int height);

// Width of the image that holds a glyph of this width: whole bytes.
int GlyphImageWidth(int glyphWidth);

// Rows missing from `rows` (shorter than the height says) are paper.
MonoImage GlyphRowsToImage(std::span<const uint8_t> rows, int width, int height);

// height x (1 or 2) bytes; a glyph of width 0 keeps one byte a row, all paper.
std::vector<uint8_t> GlyphImageToRows(const MonoImage& image, int width, int height);

}  // namespace glyphora
