#include "PngWriter.h"

#include "Checksums.h"
#include "Deflate.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace glyphora {

namespace {

// Long pictures are split over several IDAT chunks of this size.
constexpr std::size_t kIdatChunk = std::size_t{1} << 20;
constexpr uint64_t kMaxDimension = 0x7FFFFFFF;

void PutBE32(std::vector<uint8_t>& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

void PutChunk(std::vector<uint8_t>& out, std::string_view type, std::span<const uint8_t> data) {
    PutBE32(out, static_cast<uint32_t>(data.size()));
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    PutBE32(out, Crc32(std::span<const uint8_t>(out).subspan(typeAt, 4 + data.size())));
}

}  // namespace

std::vector<uint8_t> WriteGrayPng(int width, int height, std::span<const uint8_t> gray) {
    if (width <= 0 || height <= 0) return {};
    const auto w = static_cast<uint64_t>(width);
    const auto h = static_cast<uint64_t>(height);
    if (w > kMaxDimension || h > kMaxDimension || w * h != gray.size()) return {};

    // Each row behind its filter byte: 0, none.
    std::vector<uint8_t> raw;
    raw.reserve(static_cast<std::size_t>((w + 1) * h));
    for (uint64_t y = 0; y < h; ++y) {
        raw.push_back(0);
        const auto row = gray.subspan(static_cast<std::size_t>(y * w), static_cast<std::size_t>(w));
        raw.insert(raw.end(), row.begin(), row.end());
    }
    const std::vector<uint8_t> z = ZlibCompress(raw);

    std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::array<uint8_t, 13> ihdr{};
    for (int i = 0; i < 4; ++i) {
        const auto at = static_cast<std::size_t>(i);
        ihdr[at] = static_cast<uint8_t>(w >> (24 - 8 * i));
        ihdr[4 + at] = static_cast<uint8_t>(h >> (24 - 8 * i));
    }
    ihdr[8] = 8;  // bit depth; colour type 0 (grey), deflate, no filter set, no interlace
    PutChunk(out, "IHDR", ihdr);
    for (std::size_t at = 0; at < z.size(); at += kIdatChunk)
        PutChunk(out, "IDAT", std::span<const uint8_t>(z).subspan(at, std::min(kIdatChunk, z.size() - at)));
    PutChunk(out, "IEND", {});
    return out;
}

}  // namespace glyphora
