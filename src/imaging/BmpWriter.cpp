#include "BmpWriter.h"

#include "BmpFormat.h"

#include <algorithm>

namespace glyphora {

using namespace bmp;

std::vector<uint8_t> WriteMonoBmp(const MonoImage& image) {
    if (image.isEmpty()) return {};
    constexpr std::size_t kPaletteSize = std::size_t{2} * 4;
    constexpr std::size_t kPixelOffset = kFileHeaderSize + kInfoHeaderSize + kPaletteSize;
    const std::size_t stride = static_cast<std::size_t>(RowStride(static_cast<uint64_t>(image.width()), 1));
    const std::size_t pixelBytes = stride * static_cast<std::size_t>(image.height());
    std::vector<uint8_t> file(kPixelOffset + pixelBytes, 0);
    uint8_t* p = file.data();

    p[0] = 'B';
    p[1] = 'M';
    StoreLE32(p + 2, static_cast<uint32_t>(file.size()));
    StoreLE32(p + 10, static_cast<uint32_t>(kPixelOffset));

    uint8_t* h = p + kFileHeaderSize;
    StoreLE32(h, kInfoHeaderSize);
    StoreLE32(h + 4, static_cast<uint32_t>(image.width()));
    StoreLE32(h + 8, static_cast<uint32_t>(image.height()));  // positive: bottom row first
    StoreLE16(h + 12, 1);                                     // planes
    StoreLE16(h + 14, 1);                                     // bits per pixel
    StoreLE32(h + 16, kRgb);
    StoreLE32(h + 20, static_cast<uint32_t>(pixelBytes));
    StoreLE32(h + 24, 3780);  // 96 dots per inch, as Windows writes
    StoreLE32(h + 28, 3780);
    StoreLE32(h + 32, 2);  // colours used
    StoreLE32(h + 36, 2);  // colours important

    // Index 0 black, index 1 white: the image's own bit values.
    uint8_t* palette = h + kInfoHeaderSize;
    std::fill(palette + 4, palette + 7, uint8_t{0xFF});

    for (int y = 0; y < image.height(); ++y) {
        const auto row = image.row(y);
        std::copy(row.begin(), row.end(), p + kPixelOffset + stride * static_cast<std::size_t>(image.height() - 1 - y));
    }
    return file;
}

}  // namespace glyphora
