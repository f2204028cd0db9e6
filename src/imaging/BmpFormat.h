// The pieces of the BMP file form that the reader and the writer share:
// header sizes, compression codes and little-endian fields.
#pragma once

#include <cstddef>
#include <cstdint>

namespace glyphora::bmp {

constexpr std::size_t kFileHeaderSize = 14;  // "BM", file size, reserved, pixel data offset
constexpr uint32_t kCoreHeaderSize = 12;     // BITMAPCOREHEADER (OS/2 1.x)
constexpr uint32_t kInfoHeaderSize = 40;     // BITMAPINFOHEADER
constexpr uint32_t kV2HeaderSize = 52;       // + red, green and blue masks
constexpr uint32_t kV3HeaderSize = 56;       // + alpha mask
constexpr uint32_t kOs2HeaderSize = 64;      // BITMAPINFOHEADER2 (OS/2 2.x)
constexpr uint32_t kV4HeaderSize = 108;      // BITMAPV4HEADER
constexpr uint32_t kV5HeaderSize = 124;      // BITMAPV5HEADER

enum Compression : uint32_t {
    kRgb = 0,
    kRle8 = 1,
    kRle4 = 2,
    kBitfields = 3,
    kJpeg = 4,
    kPng = 5,
    kAlphaBitfields = 6,
};

// Unchecked: callers check the bounds first.
inline uint16_t LoadLE16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
inline uint32_t LoadLE32(const uint8_t* p) {
    return uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
}
inline void StoreLE16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}
inline void StoreLE32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

// Bytes of one row of pixels, padded to whole 32-bit words.
inline uint64_t RowStride(uint64_t width, unsigned bitsPerPixel) { return (width * bitsPerPixel + 31) / 32 * 4; }

}  // namespace glyphora::bmp
