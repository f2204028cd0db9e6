#include "PngReader.h"

#include "Checksums.h"
#include "Inflate.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace glyphora {

namespace {

constexpr std::array<uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

uint32_t BE32(std::span<const uint8_t> b, std::size_t at) {
    return (uint32_t{b[at]} << 24) | (uint32_t{b[at + 1]} << 16) | (uint32_t{b[at + 2]} << 8) | b[at + 3];
}

Error Bad(std::string what) { return MakeError(ErrorKind::Malformed, std::move(what)); }

struct Header {
    uint32_t width = 0, height = 0;
    int depth = 0;
    int colorType = 0;
    int channels() const {
        switch (colorType) {
        case 2: return 3;
        case 4: return 2;
        case 6: return 4;
        default: return 1;
        }
    }
    int bitsPerPixel() const { return channels() * depth; }
    std::size_t rowBytes() const { return (static_cast<std::size_t>(width) * bitsPerPixel() + 7) / 8; }
};

bool ValidDepth(int colorType, int depth) {
    switch (colorType) {
    case 0: return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    case 3: return depth == 1 || depth == 2 || depth == 4 || depth == 8;
    case 2:
    case 4:
    case 6: return depth == 8 || depth == 16;
    default: return false;
    }
}

Result<Header> ReadHeader(std::span<const uint8_t> d, int64_t maxPixels) {
    if (d.size() != 13) return Bad("the IHDR chunk holds " + std::to_string(d.size()) + " bytes, not 13");
    Header h{BE32(d, 0), BE32(d, 4), d[8], d[9]};
    if (h.width == 0 || h.height == 0 || h.width > 0x7FFFFFFFu || h.height > 0x7FFFFFFFu)
        return Bad("the picture's size " + std::to_string(h.width) + " x " + std::to_string(h.height) +
                   " is not valid");
    if (!ValidDepth(h.colorType, h.depth))
        return Bad("colour type " + std::to_string(h.colorType) + " with " + std::to_string(h.depth) +
                   " bits per sample is not a PNG form");
    if (d[10] != 0 || d[11] != 0)
        return Bad("the compression or filter method " + std::to_string(d[10]) + "/" + std::to_string(d[11]) +
                   " is not PNG's");
    if (d[12] > 1) return Bad("the interlace method " + std::to_string(d[12]) + " is not PNG's");
    if (d[12] == 1)
        return MakeError(ErrorKind::Unsupported, "interlaced PNG pictures are not read; save it without interlacing");
    if (static_cast<int64_t>(h.width) * h.height > maxPixels)
        return MakeError(ErrorKind::Refused, "the picture is " + std::to_string(h.width) + " x " +
                                                 std::to_string(h.height) + " pixels, more than the " +
                                                 std::to_string(maxPixels) + " pixels read");
    return h;
}

uint8_t Paeth(int a, int b, int c) {
    const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return static_cast<uint8_t>(pa <= pb && pa <= pc ? a : pb <= pc ? b : c);
}

// Undoes each row's filter in place; the rows are left without their filter bytes.
Result<std::vector<uint8_t>> Unfilter(std::vector<uint8_t> data, const Header& h) {
    const std::size_t row = h.rowBytes(), step = std::max(1, h.bitsPerPixel() / 8);
    std::vector<uint8_t> out(row * h.height);
    for (std::size_t y = 0; y < h.height; ++y) {
        const uint8_t filter = data[y * (row + 1)];
        const uint8_t* in = data.data() + y * (row + 1) + 1;
        uint8_t* cur = out.data() + y * row;
        const uint8_t* up = y > 0 ? cur - row : nullptr;
        for (std::size_t i = 0; i < row; ++i) {
            const int a = i >= step ? cur[i - step] : 0, b = up ? up[i] : 0, c = up && i >= step ? up[i - step] : 0;
            int v = in[i];
            switch (filter) {
            case 0: break;
            case 1: v += a; break;
            case 2: v += b; break;
            case 3: v += (a + b) / 2; break;
            case 4: v += Paeth(a, b, c); break;
            default: return Bad("row " + std::to_string(y) + " has the unknown filter " + std::to_string(filter));
            }
            cur[i] = static_cast<uint8_t>(v);
        }
    }
    return out;
}

// Sample `i` of a row at the header's depth, as stored (16 bits whole).
uint32_t Sample(const uint8_t* row, std::size_t i, int depth) {
    if (depth == 16) return (uint32_t{row[2 * i]} << 8) | row[2 * i + 1];
    if (depth == 8) return row[i];
    const std::size_t bit = i * static_cast<std::size_t>(depth);
    return (row[bit / 8] >> (8 - depth - static_cast<int>(bit % 8))) & ((1u << depth) - 1);
}

// Scaled down (16 bits, rounding down as ImageMagick does) or up (fewer than 8).
uint8_t To8(uint32_t v, int depth) { return static_cast<uint8_t>(v * 255 / ((1u << depth) - 1)); }

struct Extras {
    std::vector<uint8_t> palette;                // R, G, B triples
    std::vector<uint8_t> alpha;                  // tRNS of a palette
    std::optional<std::array<uint32_t, 3>> key;  // tRNS of grey (one value) or RGB
};

Result<RgbaImage> ToRgba(const std::vector<uint8_t>& rows, const Header& h, const Extras& x) {
    RgbaImage img{static_cast<int>(h.width), static_cast<int>(h.height), {}};
    img.rgba.resize(static_cast<std::size_t>(h.width) * h.height * 4);
    const std::size_t rowBytes = h.rowBytes();
    const int ch = h.channels();
    for (std::size_t y = 0; y < h.height; ++y) {
        const uint8_t* row = rows.data() + y * rowBytes;
        for (std::size_t px = 0; px < h.width; ++px) {
            uint8_t* o = img.rgba.data() + (y * h.width + px) * 4;
            std::array<uint32_t, 4> s{};
            for (int c = 0; c < ch; ++c) s[static_cast<std::size_t>(c)] = Sample(row, px * ch + c, h.depth);
            if (h.colorType == 3) {
                if (s[0] * 3 + 2 >= x.palette.size())
                    return Bad("pixel (" + std::to_string(px) + ", " + std::to_string(y) + ") names colour " +
                               std::to_string(s[0]) + " of a palette of " + std::to_string(x.palette.size() / 3));
                std::copy_n(x.palette.begin() + static_cast<std::ptrdiff_t>(s[0]) * 3, 3, o);
                o[3] = s[0] < x.alpha.size() ? x.alpha[s[0]] : 255;
                continue;
            }
            const bool grey = h.colorType == 0 || h.colorType == 4;
            for (int c = 0; c < 3; ++c) o[c] = To8(s[grey ? 0 : static_cast<std::size_t>(c)], h.depth);
            const bool hasAlpha = h.colorType == 4 || h.colorType == 6;
            o[3] = hasAlpha ? To8(s[static_cast<std::size_t>(ch - 1)], h.depth) : 255;
            if (x.key && (*x.key)[0] == s[0] && (grey || ((*x.key)[1] == s[1] && (*x.key)[2] == s[2]))) o[3] = 0;
        }
    }
    return img;
}

Status ReadTransparency(std::span<const uint8_t> d, const Header& h, Extras& x) {
    if (h.colorType == 3) {
        if (d.size() > x.palette.size() / 3) return Bad("the tRNS chunk has more entries than the palette");
        x.alpha.assign(d.begin(), d.end());
    } else if (h.colorType == 0 || h.colorType == 2) {
        const std::size_t n = h.colorType == 0 ? 1 : 3;
        if (d.size() != 2 * n)
            return Bad("the tRNS chunk holds " + std::to_string(d.size()) + " bytes, not " + std::to_string(2 * n));
        std::array<uint32_t, 3> key{};
        for (std::size_t i = 0; i < n; ++i) key[i] = (uint32_t{d[2 * i]} << 8) | d[2 * i + 1];
        x.key = key;
    }
    return {};
}

}  // namespace

Result<RgbaImage> ReadPng(std::span<const uint8_t> file, int64_t maxPixels) {
    if (file.size() < kSignature.size() || !std::equal(kSignature.begin(), kSignature.end(), file.begin()))
        return MakeError(ErrorKind::Unsupported, "not a PNG picture: the file does not start with the PNG signature");
    std::optional<Header> header;
    Extras extras;
    std::vector<uint8_t> compressed;
    bool ended = false;
    for (std::size_t at = kSignature.size(); !ended;) {
        if (file.size() - at < 12)
            return Bad("the file ends at byte " + std::to_string(file.size()) + " before its IEND chunk");
        const uint32_t length = BE32(file, at);
        const std::string type(file.begin() + static_cast<std::ptrdiff_t>(at) + 4,
                               file.begin() + static_cast<std::ptrdiff_t>(at) + 8);
        const std::string where = "chunk " + type + " at byte " + std::to_string(at);
        if (!std::all_of(type.begin(), type.end(),
                         [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }))
            return Bad("the chunk at byte " + std::to_string(at) + " has no valid type");
        if (length > 0x7FFFFFFFu || length > file.size() - at - 12)
            return Bad(where + " runs past the end of the file");
        const auto data = file.subspan(at + 8, length);
        if (Crc32(file.subspan(at + 4, length + 4)) != BE32(file, at + 8 + length))
            return Bad("the CRC of " + where + " does not match");
        at += 12 + std::size_t{length};
        if (!header && type != "IHDR") return Bad("the picture does not start with its IHDR chunk");
        if (type == "IHDR") {
            if (header) return Bad("a second IHDR chunk at byte " + std::to_string(at - 12 - length));
            Result<Header> h = ReadHeader(data, maxPixels);
            if (!h) return h.error();
            header = *h;
        } else if (type == "PLTE") {
            if (length % 3 != 0 || length == 0 || length / 3 > 256)
                return Bad(where + " is not a palette of 1 to 256 colours");
            extras.palette.assign(data.begin(), data.end());
        } else if (type == "tRNS") {
            if (Status s = ReadTransparency(data, *header, extras); !s) return s.error();
        } else if (type == "IDAT") {
            compressed.insert(compressed.end(), data.begin(), data.end());
        } else if (type == "IEND") {
            ended = true;
        } else if (type[0] >= 'A' && type[0] <= 'Z') {
            return MakeError(ErrorKind::Unsupported,
                             "the picture needs the PNG chunk " + type + ", which is not known here");
        }
    }
    if (header->colorType == 3 && extras.palette.empty())
        return Bad("the picture has a palette colour type but no PLTE chunk");
    if (compressed.empty()) return Bad("the picture has no IDAT chunk");
    const std::size_t expected = (header->rowBytes() + 1) * header->height;
    Result<std::vector<uint8_t>> raw = ZlibInflate(compressed, expected);
    if (!raw) return Bad("the picture data: " + raw.error().message);
    if (raw->size() != expected)
        return Bad("the picture data holds " + std::to_string(raw->size()) + " bytes, not the " +
                   std::to_string(expected) + " of " + std::to_string(header->height) + " rows");
    Result<std::vector<uint8_t>> rows = Unfilter(std::move(*raw), *header);
    if (!rows) return rows.error();
    return ToRgba(*rows, *header, extras);
}

}  // namespace glyphora
