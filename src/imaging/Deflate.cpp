#include "Deflate.h"

#include "Checksums.h"
#include "DeflateTables.h"

#include <algorithm>
#include <array>

namespace glyphora {

namespace {

using deflate::kDistanceBase;
using deflate::kDistanceExtra;
using deflate::kLengthBase;
using deflate::kLengthExtra;

constexpr std::size_t kMinMatch = 3;
constexpr std::size_t kMaxMatch = 258;
constexpr std::size_t kWindow = 32768;
constexpr int kHashBits = 15;
constexpr std::size_t kMaxStored = 65535;

// Bits go out least significant first; Huffman codes most significant first.
class BitWriter {
public:
    explicit BitWriter(std::vector<uint8_t>& out) : out_(out) {}
    void put(uint32_t value, int count) {
        for (int i = 0; i < count; ++i) {
            acc_ |= ((value >> i) & 1u) << used_;
            if (++used_ == 8) flush();
        }
    }
    void putCode(uint32_t code, int length) {
        for (int i = length - 1; i >= 0; --i) put((code >> i) & 1u, 1);
    }
    void align() {
        if (used_ > 0) flush();
    }

private:
    void flush() {
        out_.push_back(static_cast<uint8_t>(acc_));
        acc_ = 0;
        used_ = 0;
    }
    std::vector<uint8_t>& out_;
    uint32_t acc_ = 0;
    int used_ = 0;
};

// The fixed literal/length code of a symbol 0..287.
void PutSymbol(BitWriter& w, uint32_t s) {
    if (s < 144)
        w.putCode(0x30 + s, 8);
    else if (s < 256)
        w.putCode(0x190 + s - 144, 9);
    else if (s < 280)
        w.putCode(s - 256, 7);
    else
        w.putCode(0xC0 + s - 280, 8);
}

template <std::size_t K>
std::size_t CodeFor(const std::array<uint16_t, K>& base, std::size_t value) {
    return static_cast<std::size_t>(std::upper_bound(base.begin(), base.end(), value) - base.begin()) - 1;
}

void PutMatch(BitWriter& w, std::size_t length, std::size_t distance) {
    const std::size_t l = CodeFor(kLengthBase, length);
    PutSymbol(w, static_cast<uint32_t>(257 + l));
    w.put(static_cast<uint32_t>(length - kLengthBase[l]), kLengthExtra[l]);
    const std::size_t d = CodeFor(kDistanceBase, distance);
    w.putCode(static_cast<uint32_t>(d), 5);
    w.put(static_cast<uint32_t>(distance - kDistanceBase[d]), kDistanceExtra[d]);
}

uint32_t Hash(const uint8_t* p) {
    const uint32_t v = uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16);
    return (v * 2654435761u) >> (32 - kHashBits);
}

// Greedy matching: each position remembers only the last one with the same
// three bytes, which finds the long runs of paper that pictures are made of.
void FixedBlock(std::span<const uint8_t> data, std::vector<uint8_t>& out) {
    BitWriter w(out);
    w.put(1, 1);  // the final block
    w.put(1, 2);  // fixed Huffman codes
    std::vector<int64_t> last(std::size_t{1} << kHashBits, -1);
    const std::size_t n = data.size();
    std::size_t i = 0;
    while (i < n) {
        std::size_t length = 0;
        std::size_t distance = 0;
        if (n - i >= kMinMatch) {
            const uint32_t h = Hash(data.data() + i);
            const int64_t candidate = last[h];
            last[h] = static_cast<int64_t>(i);
            if (candidate >= 0 && i - static_cast<std::size_t>(candidate) <= kWindow) {
                const std::size_t from = static_cast<std::size_t>(candidate);
                const std::size_t limit = std::min(kMaxMatch, n - i);
                while (length < limit && data[from + length] == data[i + length]) ++length;
                distance = i - from;
            }
        }
        if (length >= kMinMatch) {
            PutMatch(w, length, distance);
            for (std::size_t k = 1; k < length; ++k)
                if (n - (i + k) >= kMinMatch) last[Hash(data.data() + i + k)] = static_cast<int64_t>(i + k);
            i += length;
        } else {
            PutSymbol(w, data[i]);
            ++i;
        }
    }
    PutSymbol(w, 256);  // end of block
    w.align();
}

void StoredBlocks(std::span<const uint8_t> data, std::vector<uint8_t>& out) {
    std::size_t i = 0;
    do {
        const std::size_t length = std::min(kMaxStored, data.size() - i);
        const bool final = i + length == data.size();
        out.push_back(final ? 1 : 0);  // BFINAL, BTYPE 00, then the byte's padding
        const auto len = static_cast<uint16_t>(length);
        const auto nlen = static_cast<uint16_t>(~len);
        for (const uint16_t v : {len, nlen}) {
            out.push_back(static_cast<uint8_t>(v));
            out.push_back(static_cast<uint8_t>(v >> 8));
        }
        out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(i),
                   data.begin() + static_cast<std::ptrdiff_t>(i + length));
        i += length;
    } while (i < data.size());
}

}  // namespace

std::vector<uint8_t> ZlibCompress(std::span<const uint8_t> data) {
    // 0x78 0x01: deflate with a 32 KiB window, no dictionary; the pair is a
    // multiple of 31 as the format asks.
    std::vector<uint8_t> out = {0x78, 0x01};
    FixedBlock(data, out);
    const std::size_t storedSize = data.size() + 5 * (data.size() / kMaxStored + 1);
    if (out.size() - 2 > storedSize) {
        out.resize(2);
        StoredBlocks(data, out);
    }
    const uint32_t adler = Adler32(data);
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(adler >> shift));
    return out;
}

}  // namespace glyphora
