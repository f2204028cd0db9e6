#include "BmpReader.h"

#include "BmpFormat.h"
#include "BmpRle.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <string>
#include <vector>

namespace glyphora {

namespace {

using namespace bmp;

// More pixels than this are refused before anything is allocated (1 GiB of RGBA).
constexpr uint64_t kMaxDecodedPixels = uint64_t{1} << 28;

Error Malformed(std::string message) { return MakeError(ErrorKind::Malformed, std::move(message)); }
Error Unsupported(std::string message) { return MakeError(ErrorKind::Unsupported, std::move(message)); }

std::string N(uint64_t v) { return std::to_string(v); }

const char* CompressionName(uint32_t c) {
    switch (c) {
    case kRgb: return "none";
    case kRle8: return "RLE8";
    case kRle4: return "RLE4";
    case kBitfields: return "BI_BITFIELDS";
    case kJpeg: return "JPEG";
    case kPng: return "PNG";
    case kAlphaBitfields: return "BI_ALPHABITFIELDS";
    case 11: return "CMYK";
    case 12: return "CMYK RLE8";
    case 13: return "CMYK RLE4";
    default: return nullptr;
    }
}

// One colour channel of a 16- or 32-bit pixel, given by its mask.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    int bits = 0;  // the channel's width

    explicit Channel(uint32_t m = 0)
        : mask(m), shift(m ? std::countr_zero(m) : 0), bits(m ? std::bit_width(m >> shift) : 0) {}
    // Widened to 8 bits by repeating the value's bits (5 bits abcde give
    // abcdeabc), so that the largest value is 255; wider channels keep their
    // top 8 bits.
    uint8_t from(uint32_t pixel) const {
        if (bits == 0) return 0;
        const uint32_t v = (pixel & mask) >> shift;
        if (bits >= 8) return static_cast<uint8_t>(v >> (bits - 8));
        uint32_t out = v << (8 - bits);
        for (int filled = bits; filled < 8; filled *= 2) out |= out >> filled;
        return static_cast<uint8_t>(out);
    }
};

using Rgba = std::array<uint8_t, 4>;

// Everything the headers say, checked against the file.
struct Layout {
    BmpHeader info;
    std::size_t pixelOffset = 0;
    uint64_t stride = 0;
    std::array<uint32_t, 4> masks{};  // red, green, blue, alpha for 16 and 32 bits
    std::vector<Rgba> palette;
};

// The raw value of pixel x of a row: a colour-table index or a packed colour.
uint32_t RawPixel(const uint8_t* row, uint64_t x, unsigned bits) {
    switch (bits) {
    case 16: return LoadLE16(row + x * 2);
    case 24: return uint32_t{row[x * 3]} | (uint32_t{row[x * 3 + 1]} << 8) | (uint32_t{row[x * 3 + 2]} << 16);
    case 32: return LoadLE32(row + x * 4);
    default: {  // 1, 2, 4 or 8 bits, leftmost pixel in the high bits
        const uint64_t bit = x * bits;
        return (row[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
    }
    }
}

Result<Layout> ParseLayout(std::span<const uint8_t> file) {
    const std::size_t size = file.size();
    if (size < kFileHeaderSize + 4)
        return Malformed("the file is cut inside the BMP file header: it has " + N(size) + " bytes");
    const uint8_t* p = file.data();
    if (p[0] != 'B' || p[1] != 'M') return Malformed("the file does not start with the BMP signature \"BM\"");

    Layout L;
    BmpHeader& h = L.info;
    const uint32_t dib = LoadLE32(p + kFileHeaderSize);
    switch (dib) {
    case kCoreHeaderSize:
    case kInfoHeaderSize:
    case kV2HeaderSize:
    case kV3HeaderSize:
    case kOs2HeaderSize:
    case kV4HeaderSize:
    case kV5HeaderSize: break;
    default: return Unsupported("a BMP info header of " + N(dib) + " bytes is not supported");
    }
    if (size - kFileHeaderSize < dib)
        return Malformed("the file is cut inside the BMP info header: it needs " + N(kFileHeaderSize + dib) +
                         " bytes, the file has " + N(size));
    h.headerSize = dib;
    const uint8_t* d = p + kFileHeaderSize;
    std::size_t headersEnd = kFileHeaderSize + dib;

    int64_t width = 0;
    int64_t height = 0;
    uint32_t colorsUsed = 0;
    if (dib == kCoreHeaderSize) {
        width = LoadLE16(d + 4);
        height = LoadLE16(d + 6);
        h.bitsPerPixel = LoadLE16(d + 10);
    } else {
        width = static_cast<int32_t>(LoadLE32(d + 4));
        height = static_cast<int32_t>(LoadLE32(d + 8));
        h.bitsPerPixel = LoadLE16(d + 14);
        h.compression = LoadLE32(d + 16);
        colorsUsed = LoadLE32(d + 32);
    }

    // The compression first: a JPEG or PNG inside a BMP says 0 bits per pixel.
    if (dib == kOs2HeaderSize && (h.compression == 3 || h.compression == 4))
        return Unsupported(std::string("BMP compression ") + N(h.compression) +
                           (h.compression == 3 ? " (OS/2 Huffman)" : " (OS/2 RLE24)") + " is not supported");
    const bool bitfields = h.compression == kBitfields || h.compression == kAlphaBitfields;
    if (h.compression != kRgb && h.compression != kRle8 && h.compression != kRle4 && !bitfields) {
        if (const char* name = CompressionName(h.compression))
            return Unsupported("BMP compression " + N(h.compression) + " (" + name + ") is not supported");
        return Malformed("BMP compression " + N(h.compression) + " is unknown");
    }
    const int bits = h.bitsPerPixel;
    if (bits != 1 && bits != 2 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
        if (bits == 64) return Unsupported("BMP of 64 bits per pixel is not supported");
        return Malformed("a BMP cannot have " + N(static_cast<uint64_t>(bits)) + " bits per pixel");
    }
    if (h.compression == kRle8 && bits != 8)
        return Malformed("RLE8 compression needs 8 bits per pixel, the file has " + N(bits));
    if (h.compression == kRle4 && bits != 4)
        return Malformed("RLE4 compression needs 4 bits per pixel, the file has " + N(bits));
    if (bitfields && bits != 16 && bits != 32)
        return Malformed(std::string(CompressionName(h.compression)) + " needs 16 or 32 bits per pixel, the file has " +
                         N(bits));

    if (width <= 0) return Malformed("the picture width " + std::to_string(width) + " is not positive");
    if (height == 0) return Malformed("the picture height is 0");
    if (height < 0) {
        h.topDown = true;
        height = -height;
        if (height > INT32_MAX) return Malformed("the picture height -2147483648 is out of range");
    }
    h.width = static_cast<int>(width);
    h.height = static_cast<int>(height);

    // Colour masks: in the V2 to V5 headers, or after a 40-byte header.
    if (bits == 16 || bits == 32) {
        if (!bitfields) {
            L.masks = bits == 16 ? std::array<uint32_t, 4>{0x7C00, 0x03E0, 0x001F, 0}
                                 : std::array<uint32_t, 4>{0xFF0000, 0xFF00, 0xFF, 0xFF000000};
        } else {
            const uint8_t* m = d + kInfoHeaderSize;
            std::size_t count = 0;
            if (dib == kInfoHeaderSize) {
                count = h.compression == kAlphaBitfields ? 4 : 3;
                if (size - headersEnd < count * 4)
                    return Malformed("the file is cut inside the colour masks of the BMP header");
                headersEnd += count * 4;
            } else if (dib == kCoreHeaderSize || dib == kOs2HeaderSize) {
                return Malformed("this BMP header has no room for colour masks");
            } else {
                count = dib == kV2HeaderSize ? 3 : 4;
            }
            for (std::size_t i = 0; i < count; ++i) L.masks[i] = LoadLE32(m + 4 * i);
        }
        if (bits == 16)
            for (uint32_t& mask : L.masks) mask &= 0xFFFF;
    }

    // The colour table: as long as declared, as far as the pixel data lets it be.
    const uint32_t offset = LoadLE32(p + 10);
    if (offset < headersEnd)
        return Malformed("the pixel data offset " + N(offset) + " lies inside the headers, which end at " +
                         N(headersEnd));
    if (offset > size)
        return Malformed("the file is cut: the pixel data should start at offset " + N(offset) + ", the file has " +
                         N(size) + " bytes");
    L.pixelOffset = offset;
    if (bits <= 8) {
        const std::size_t entrySize = dib == kCoreHeaderSize ? 3 : 4;
        const uint64_t indexable = uint64_t{1} << bits;
        const uint64_t declared = colorsUsed == 0 || colorsUsed > indexable ? indexable : colorsUsed;
        const uint64_t room = (offset - headersEnd) / entrySize;
        L.palette.resize(static_cast<std::size_t>(std::min(declared, room)));
        for (std::size_t i = 0; i < L.palette.size(); ++i) {
            const uint8_t* e = p + headersEnd + i * entrySize;
            L.palette[i] = {e[2], e[1], e[0], 255};
        }
        h.colorCount = static_cast<int>(L.palette.size());
    }

    const std::size_t available = size - offset;
    L.stride = RowStride(static_cast<uint64_t>(width), static_cast<unsigned>(bits));
    if (h.compression == kRgb || bitfields) {
        // The last row may do without its padding.
        uint64_t needed = 0;
        if (__builtin_mul_overflow(L.stride, static_cast<uint64_t>(height - 1), &needed) ||
            __builtin_add_overflow(needed, (static_cast<uint64_t>(width) * static_cast<unsigned>(bits) + 7) / 8,
                                   &needed))
            return Malformed("the pixel rows of " + N(static_cast<uint64_t>(width)) + " x " +
                             N(static_cast<uint64_t>(height)) + " pixels cannot fit in any file");
        if (needed > available)
            return Malformed("the file is cut: the pixel rows need " + N(needed) + " bytes, it has " + N(available));

        // An alpha mask counts only if some pixel uses it: writers that do not
        // keep alpha leave those bits zero, which would make the picture vanish.
        if (L.masks[3] != 0) {
            const uint8_t* data = p + offset;
            for (uint64_t y = 0; y < static_cast<uint64_t>(height) && !h.hasAlpha; ++y)
                for (uint64_t x = 0; x < static_cast<uint64_t>(width); ++x)
                    if (RawPixel(data + y * L.stride, x, static_cast<unsigned>(bits)) & L.masks[3]) {
                        h.hasAlpha = true;
                        break;
                    }
            if (!h.hasAlpha) L.masks[3] = 0;
        }
    }
    return L;
}

Result<RgbaImage> Decode(std::span<const uint8_t> file, const Layout& L, int maxWidth, int maxHeight) {
    const BmpHeader& h = L.info;
    RgbaImage out;
    out.width = std::clamp(maxWidth, 0, h.width);
    out.height = std::clamp(maxHeight, 0, h.height);
    const uint64_t pixels = static_cast<uint64_t>(out.width) * static_cast<uint64_t>(out.height);
    if (pixels > kMaxDecodedPixels)
        return Unsupported("the picture is too large to decode: " + N(static_cast<uint64_t>(out.width)) + " x " +
                           N(static_cast<uint64_t>(out.height)) + " pixels");
    out.rgba.resize(static_cast<std::size_t>(pixels) * 4);
    const unsigned bits = static_cast<unsigned>(h.bitsPerPixel);
    const Rgba black{0, 0, 0, 255};
    auto colorOf = [&](uint32_t index) { return index < L.palette.size() ? L.palette[index] : black; };
    auto store = [&](std::size_t at, const Rgba& c) { std::copy(c.begin(), c.end(), out.rgba.begin() + at * 4); };

    const std::span<const uint8_t> data = file.subspan(L.pixelOffset);
    if (h.compression == kRle8 || h.compression == kRle4) {
        std::vector<uint8_t> indices(static_cast<std::size_t>(pixels), 0);
        const RleTarget target{h.bitsPerPixel, h.width, h.height, h.topDown, out.width, out.height};
        if (Status s = DecodeRle(data, target, indices); !s) return s.error();
        for (std::size_t i = 0; i < indices.size(); ++i) store(i, colorOf(indices[i]));
        return out;
    }

    const Channel red(L.masks[0]), green(L.masks[1]), blue(L.masks[2]), alpha(L.masks[3]);
    for (int y = 0; y < out.height; ++y) {
        const uint64_t fileRow = h.topDown ? static_cast<uint64_t>(y) : static_cast<uint64_t>(h.height - 1 - y);
        const uint8_t* row = data.data() + fileRow * L.stride;
        for (int x = 0; x < out.width; ++x) {
            const uint32_t v = RawPixel(row, static_cast<uint64_t>(x), bits);
            const std::size_t at = static_cast<std::size_t>(y) * static_cast<std::size_t>(out.width) + x;
            if (bits <= 8)
                store(at, colorOf(v));
            else if (bits == 24)
                store(at, {static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v), 255});
            else
                store(at, {red.from(v), green.from(v), blue.from(v), alpha.mask ? alpha.from(v) : uint8_t{255}});
        }
    }
    return out;
}

}  // namespace

Result<BmpHeader> ReadBmpHeader(std::span<const uint8_t> file) {
    Result<Layout> layout = ParseLayout(file);
    if (!layout) return layout.error();
    // An RLE stream is checked only by decoding it; a crop of nothing keeps no pixels.
    if (const Result<RgbaImage> none = Decode(file, *layout, 0, 0); !none) return none.error();
    return layout->info;
}

Result<RgbaImage> ReadBmp(std::span<const uint8_t> file, int maxWidth, int maxHeight) {
    Result<Layout> layout = ParseLayout(file);
    if (!layout) return layout.error();
    return Decode(file, *layout, maxWidth, maxHeight);
}

}  // namespace glyphora
