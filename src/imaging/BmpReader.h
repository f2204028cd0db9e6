// BMP files read into RGBA without a toolkit. The reader takes the headers of
// Windows and OS/2 (12, 40, 52, 56, 64, 108 and 124 bytes), 1, 2, 4 and 8 bits
// with a colour table, 16 and 32 bits (fixed or BI_BITFIELDS masks), 24 bits,
// RLE8 and RLE4, bottom-up and top-down rows. Every refusal is an Error
// (Malformed or Unsupported) whose message says what is wrong; the caller adds
// the file name.
#pragma once

#include "Error.h"
#include "RgbaImage.h"

#include <cstdint>
#include <span>

namespace glyphora {

// The largest picture file (BMP, or another format the editor imports) that
// is read: far above any glyph or screen picture, far below what would
// strain the memory.
inline constexpr uint64_t kMaxPictureFileSize = uint64_t{64} << 20;

// What the headers say about a picture.
struct BmpHeader {
    int width = 0;
    int height = 0;  // always positive; topDown tells the row order
    bool topDown = false;
    int bitsPerPixel = 0;
    uint32_t compression = 0;
    uint32_t headerSize = 0;  // 12, 40, 52, 56, 64, 108 or 124
    int colorCount = 0;       // entries of the colour table that the file holds
    bool hasAlpha = false;    // the pixels carry an alpha channel
};

// Checks the headers (and that the pixel data is all there) without decoding.
Result<BmpHeader> ReadBmpHeader(std::span<const uint8_t> file);

// The top-left min(width, maxWidth) x min(height, maxHeight) pixels of the
// picture. Only that part is decoded and held, so a huge picture costs no
// more memory than its crop; the whole file is still checked. Pixels that an
// RLE stream skips (by a delta or an early end of line or bitmap) take the
// first colour of the colour table, as on a bitmap Windows decodes into.
Result<RgbaImage> ReadBmp(std::span<const uint8_t> file, int maxWidth, int maxHeight);

}  // namespace glyphora
