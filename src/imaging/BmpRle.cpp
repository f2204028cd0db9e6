#include "BmpRle.h"

#include <algorithm>
#include <string>

namespace glyphora::bmp {

// The stream is pairs of bytes. A non-zero count repeats the second byte's
// colour (RLE4: its two nibbles in turn); a zero count is an escape: 0 ends
// the line, 1 ends the bitmap, 2 moves right and down by the next two bytes,
// 3 to 255 give that many literal pixels, padded to a 16-bit word.
Status DecodeRle(std::span<const uint8_t> data, const RleTarget& t, std::vector<uint8_t>& indices) {
    const bool rle4 = t.bitsPerPixel == 4;
    // Wide enough that no run of counts or deltas can overflow.
    int64_t x = 0;
    int64_t row = 0;  // in file order
    std::size_t pos = 0;

    auto put = [&](int64_t px, uint8_t index) {
        if (px >= t.cropWidth) return;
        const int64_t y = t.topDown ? row : t.height - 1 - row;
        if (y < 0 || y >= t.cropHeight) return;
        indices[static_cast<std::size_t>(y) * static_cast<std::size_t>(t.cropWidth) + static_cast<std::size_t>(px)] =
            index;
    };
    auto cut = [&] {
        return MakeError(ErrorKind::Malformed, "the file is cut: the RLE data ends in pixel row " +
                                                   std::to_string(row + 1) + " of " + std::to_string(t.height));
    };

    while (row < t.height) {
        if (data.size() - pos < 2) {
            // A stream that fills the last row may leave out its end marks.
            if (row == t.height - 1) return {};
            return cut();
        }
        const uint8_t count = data[pos];
        const uint8_t value = data[pos + 1];
        pos += 2;
        if (count > 0) {
            const int64_t shown = std::min<int64_t>(count, std::max<int64_t>(0, t.cropWidth - x));
            for (int64_t i = 0; i < shown; ++i) {
                const uint8_t index = rle4 ? static_cast<uint8_t>((i & 1) ? value & 0x0F : value >> 4) : value;
                put(x + i, index);
            }
            x += count;
            continue;
        }
        switch (value) {
        case 0:  // end of line
            x = 0;
            ++row;
            break;
        case 1:  // end of bitmap
            return {};
        case 2:  // delta
            if (data.size() - pos < 2) return cut();
            x += data[pos];
            row += data[pos + 1];
            pos += 2;
            break;
        default: {  // literal pixels
            const std::size_t bytes = rle4 ? (value + 1u) / 2 : value;
            if (data.size() - pos < bytes) return cut();
            for (int i = 0; i < value; ++i) {
                if (x + i >= t.cropWidth) break;
                const uint8_t b = data[pos + static_cast<std::size_t>(rle4 ? i / 2 : i)];
                put(x + i, rle4 ? static_cast<uint8_t>((i & 1) ? b & 0x0F : b >> 4) : b);
            }
            x += value;
            pos += std::min(data.size() - pos, bytes + (bytes & 1));
            break;
        }
        }
    }
    return {};
}

}  // namespace glyphora::bmp
