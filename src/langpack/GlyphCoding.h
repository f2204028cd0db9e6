// Glyph rows: file form (1 = ink) <-> memory form (0 = ink). Same rows, same
// bit positions, every bit inverted; 1 byte per row up to 8 pixels, else 2.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace glyphora {

// Bytes a glyph of this width and height occupies (width 0 keeps 1 byte per row).
std::size_t GlyphDataSize(int width, int height);

// Inverts every byte: file form to memory form and back.
std::vector<uint8_t> InvertRows(std::span<const uint8_t> rows);

// The same into a buffer of rows.size() bytes.
void InvertRowsInto(std::span<const uint8_t> rows, uint8_t* out);

// Whether pixel (x, y) of a glyph of this width, in memory form, is ink.
// Pixels outside the glyph are not.
bool IsInk(std::span<const uint8_t> memoryRows, int width, int x, int y);

}  // namespace glyphora
