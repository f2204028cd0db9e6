#include "GlyphCoding.h"

#include "Langpack.h"

namespace glyphora {

std::size_t GlyphDataSize(int width, int height) {
    return height <= 0 ? 0 : static_cast<std::size_t>(height) * static_cast<std::size_t>(BytesPerRow(width));
}

std::vector<uint8_t> InvertRows(std::span<const uint8_t> rows) {
    std::vector<uint8_t> out(rows.size());
    InvertRowsInto(rows, out.data());
    return out;
}

void InvertRowsInto(std::span<const uint8_t> rows, uint8_t* out) {
    for (std::size_t i = 0; i < rows.size(); ++i) out[i] = static_cast<uint8_t>(~rows[i]);
}

bool IsInk(std::span<const uint8_t> memoryRows, int width, int x, int y) {
    if (x < 0 || y < 0 || x >= width) return false;
    const std::size_t at =
        static_cast<std::size_t>(y) * static_cast<std::size_t>(BytesPerRow(width)) + static_cast<std::size_t>(x / 8);
    if (at >= memoryRows.size()) return false;
    return (memoryRows[at] & (0x80 >> (x % 8))) == 0;
}

}  // namespace glyphora
