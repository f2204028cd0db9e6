#include "GlyphCoding.h"

namespace glyphora {

std::vector<uint8_t> InvertRows(std::span<const uint8_t> rows) {
    std::vector<uint8_t> out(rows.size());
    InvertRowsInto(rows, out.data());
    return out;
}

void InvertRowsInto(std::span<const uint8_t> rows, uint8_t* out) {
    for (std::size_t i = 0; i < rows.size(); ++i) out[i] = static_cast<uint8_t>(~rows[i]);
}

}  // namespace glyphora
