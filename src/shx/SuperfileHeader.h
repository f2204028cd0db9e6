// The fixed block at the start of a Motorola flash file: a signature, the number
// of code groups present, and a table of 258 slots (start and end address each).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace glyphora::shx {

inline constexpr std::size_t kSuperfileHeaderSize = 8172;
inline constexpr std::size_t kGroupCountOffset = 944;
inline constexpr std::size_t kSlotTableOffset = 948;
inline constexpr std::size_t kSlotSize = 28;
inline constexpr std::size_t kSlotCount = 258;
// Slot k holds code group k - 2: the RAM downloader (-2) and boot loader (-1) come first.
inline constexpr int kFirstCodeGroupNumber = -2;

static_assert(kSlotTableOffset + kSlotCount * kSlotSize == kSuperfileHeaderSize);

struct CodeGroupSlot {
    uint32_t start = 0;
    uint32_t end = 0;  // inclusive
    // Start and end adding up to 0 (mod 2^32) marks a slot with no records.
    bool isEmpty() const { return static_cast<uint32_t>(start + end) == 0; }
};

struct SuperfileHeader {
    uint32_t groupCount = 0;
    std::array<CodeGroupSlot, kSlotCount> slots{};
};

// True when the text up to the first zero byte is exactly "P2K Superfile".
bool HasSuperfileSignature(std::span<const uint8_t, kSuperfileHeaderSize> block);

SuperfileHeader DecodeSuperfileHeader(std::span<const uint8_t, kSuperfileHeaderSize> block);

}  // namespace glyphora::shx
