// Glyph rows: file form (1 = ink) <-> memory form (0 = ink). Same rows, same
// bit positions, every bit inverted. The memory form and its image are the
// raster's (GlyphRows.h).
#pragma once

#include <GlyphRows.h>

#include <cstdint>
#include <span>
#include <vector>

namespace glyphora {

// Inverts every byte: file form to memory form and back.
std::vector<uint8_t> InvertRows(std::span<const uint8_t> rows);

// The same into a buffer of rows.size() bytes.
void InvertRowsInto(std::span<const uint8_t> rows, uint8_t* out);

}  // namespace glyphora
