// Bounds-checked reading of a langpack held in memory, and the wording of
// offsets in messages. Internal to the codec.
#pragma once

#include "ByteOrder.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace glyphora {

// True when [offset, offset + length) lies inside the bytes. Offsets come from
// 32-bit address arithmetic, so they are taken as 64-bit to rule out overflow.
inline bool Fits(std::span<const uint8_t> bytes, uint64_t offset, uint64_t length) {
    return offset <= bytes.size() && length <= bytes.size() - offset;
}

// File offset of a flash address. The langpack's addresses are 32-bit, so the
// difference is taken modulo 2^32: an address below LangpackAddress becomes a
// huge offset, which every bounds check then refuses.
inline uint64_t FileOffsetOf(int32_t address, int32_t langpackAddress) {
    return static_cast<uint32_t>(static_cast<uint32_t>(address) - static_cast<uint32_t>(langpackAddress));
}

// Reads words one after the other; callers check remaining() first.
class ByteCursor {
public:
    ByteCursor(std::span<const uint8_t> bytes, std::size_t pos) : bytes_(bytes), pos_(pos) {}

    std::size_t pos() const { return pos_; }
    std::size_t remaining() const { return pos_ < bytes_.size() ? bytes_.size() - pos_ : 0; }
    bool atEnd() const { return remaining() == 0; }
    uint16_t word() {
        const uint16_t w = LoadBE16(bytes_.data() + pos_);
        pos_ += 2;
        return w;
    }
    std::span<const uint8_t> take(std::size_t n) {
        auto s = bytes_.subspan(pos_, n);
        pos_ += n;
        return s;
    }

private:
    std::span<const uint8_t> bytes_;
    std::size_t pos_;
};

}  // namespace glyphora
