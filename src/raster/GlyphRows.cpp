#include "GlyphRows.h"

#include <algorithm>

namespace glyphora {

std::size_t GlyphDataSize(int width, int height) {
    return height <= 0 ? 0 : static_cast<std::size_t>(height) * static_cast<std::size_t>(BytesPerRow(width));
}

int GlyphImageWidth(int glyphWidth) { return 8 * ((std::max(glyphWidth, 0) + 7) / 8); }

MonoImage GlyphRowsToImage(std::span<const uint8_t> rows, int width, int height) {
    MonoImage image(GlyphImageWidth(width), height);
    const std::size_t bytesPerRow = static_cast<std::size_t>(BytesPerRow(width));
    const std::size_t copied = std::min(bytesPerRow, static_cast<std::size_t>(image.stride()));
    for (int r = 0; r < image.height(); ++r) {
        auto row = image.row(r);
        const std::size_t start = static_cast<std::size_t>(r) * bytesPerRow;
        for (std::size_t k = 0; k < copied && start + k < rows.size(); ++k) row[k] = rows[start + k];
    }
    return image;
}

std::vector<uint8_t> GlyphImageToRows(const MonoImage& image, int width, int height) {
    const std::size_t bytesPerRow = static_cast<std::size_t>(BytesPerRow(width));
    const int rowCount = std::max(height, 0);
    std::vector<uint8_t> rows(static_cast<std::size_t>(rowCount) * bytesPerRow, uint8_t{0xFF});
    const std::size_t copied = std::min(bytesPerRow, static_cast<std::size_t>(image.stride()));
    for (int r = 0; r < std::min(rowCount, image.height()); ++r) {
        const auto row = image.row(r);
        std::copy_n(row.begin(), copied,
                    rows.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(r) * bytesPerRow));
    }
    return rows;
}

}  // namespace glyphora
