#include "SuperfileHeader.h"

#include <cstring>
#include <string_view>

namespace glyphora::shx {

namespace {

uint32_t ReadLittleEndian32(std::span<const uint8_t, kSuperfileHeaderSize> block, std::size_t offset) {
    return static_cast<uint32_t>(block[offset]) | static_cast<uint32_t>(block[offset + 1]) << 8 |
           static_cast<uint32_t>(block[offset + 2]) << 16 | static_cast<uint32_t>(block[offset + 3]) << 24;
}

}  // namespace

bool HasSuperfileSignature(std::span<const uint8_t, kSuperfileHeaderSize> block) {
    constexpr std::string_view kSignature = "P2K Superfile";
    // The signature must be followed by its zero byte: "P2K Superfiles" is not it.
    return std::memcmp(block.data(), kSignature.data(), kSignature.size()) == 0 && block[kSignature.size()] == 0;
}

SuperfileHeader DecodeSuperfileHeader(std::span<const uint8_t, kSuperfileHeaderSize> block) {
    SuperfileHeader header;
    header.groupCount = ReadLittleEndian32(block, kGroupCountOffset);
    for (std::size_t k = 0; k < kSlotCount; ++k) {
        const std::size_t at = kSlotTableOffset + k * kSlotSize;
        header.slots[k] = {ReadLittleEndian32(block, at), ReadLittleEndian32(block, at + 4)};
    }
    return header;
}

}  // namespace glyphora::shx
