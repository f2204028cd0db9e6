// The two checksums of a PNG file: CRC-32 of each chunk, Adler-32 of the
// zlib stream inside.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

namespace glyphora {

namespace detail {
constexpr std::array<uint32_t, 256> MakeCrcTable() {
    std::array<uint32_t, 256> table{};
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}
inline constexpr std::array<uint32_t, 256> kCrcTable = MakeCrcTable();
}  // namespace detail

// CRC-32 (ISO 3309, as PNG and zip use it), continued from `crc` so a chunk's
// type and data can be summed in two steps.
constexpr uint32_t Crc32(std::span<const uint8_t> bytes, uint32_t crc = 0) {
    uint32_t c = crc ^ 0xFFFFFFFFu;
    for (const uint8_t b : bytes) c = detail::kCrcTable[(c ^ b) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

constexpr uint32_t Adler32(std::span<const uint8_t> bytes) {
    constexpr uint32_t kMod = 65521;
    uint32_t a = 1, b = 0;
    std::size_t i = 0;
    while (i < bytes.size()) {
        // 5552 bytes is the most that can be summed before b overflows.
        const std::size_t end = i + std::min<std::size_t>(5552, bytes.size() - i);
        for (; i < end; ++i) {
            a += bytes[i];
            b += a;
        }
        a %= kMod;
        b %= kMod;
    }
    return (b << 16) | a;
}

}  // namespace glyphora
