#include "Inflate.h"

#include "Checksums.h"
#include "DeflateTables.h"

#include <array>
#include <string>

namespace glyphora {

namespace {

constexpr int kMaxBits = 15;
using deflate::kDistanceBase;
using deflate::kDistanceExtra;
using deflate::kLengthBase;
using deflate::kLengthExtra;
// The order in which a dynamic block gives the code lengths of its code-length code.
constexpr std::array<uint8_t, 19> kCodeLengthOrder = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};

// What went wrong, thrown inside the decoder and caught once at its edge.
struct Damage {
    std::string what;
};

// Bits come least significant first.
class BitReader {
public:
    explicit BitReader(std::span<const uint8_t> data) : data_(data) {}
    uint32_t bits(int count) {
        uint32_t v = 0;
        for (int i = 0; i < count; ++i) v |= uint32_t{bit()} << i;
        return v;
    }
    uint32_t bit() {
        if (at_ >= data_.size()) throw Damage{"the compressed data ends early"};
        const uint32_t b = (data_[at_] >> used_) & 1u;
        if (++used_ == 8) {
            used_ = 0;
            ++at_;
        }
        return b;
    }
    void align() {
        if (used_ > 0) {
            used_ = 0;
            ++at_;
        }
    }
    uint8_t byte() {
        if (at_ >= data_.size()) throw Damage{"the compressed data ends early"};
        return data_[at_++];
    }
    std::size_t offset() const { return at_; }

private:
    std::span<const uint8_t> data_;
    std::size_t at_ = 0;
    int used_ = 0;
};

// A canonical Huffman code as counts of codes per length and the symbols in
// code order; decoded a bit at a time.
class Huffman {
public:
    Huffman(const uint8_t* lengths, int n, bool mayBeIncomplete = false) : symbols_(static_cast<std::size_t>(n)) {
        for (int s = 0; s < n; ++s) ++count_[lengths[s]];
        int left = 1;
        for (int len = 1; len <= kMaxBits; ++len) {
            left = left * 2 - count_[static_cast<std::size_t>(len)];
            if (left < 0) throw Damage{"a Huffman code has more codes than its lengths allow"};
        }
        // An incomplete code is taken only in the forms deflate allows: the fixed
        // distance code (30 of 32), a single code of one bit, or no code at all.
        if (left > 0 && !mayBeIncomplete && !(count_[0] == n - 1 && count_[1] == 1) && count_[0] != n)
            throw Damage{"a Huffman code is incomplete"};
        std::array<int, kMaxBits + 2> next{};
        for (int len = 1; len <= kMaxBits; ++len)
            next[static_cast<std::size_t>(len) + 1] =
                next[static_cast<std::size_t>(len)] + count_[static_cast<std::size_t>(len)];
        for (int s = 0; s < n; ++s)
            if (lengths[s] != 0) symbols_[static_cast<std::size_t>(next[lengths[s]]++)] = static_cast<uint16_t>(s);
    }

    int decode(BitReader& in) const {
        int code = 0, first = 0, index = 0;
        for (int len = 1; len <= kMaxBits; ++len) {
            code |= static_cast<int>(in.bit());
            const int count = count_[static_cast<std::size_t>(len)];
            if (code - first < count) return symbols_[static_cast<std::size_t>(index + code - first)];
            index += count;
            first = (first + count) << 1;
            code <<= 1;
        }
        throw Damage{"a Huffman code is not in its table"};
    }

private:
    std::array<int, kMaxBits + 1> count_{};
    std::vector<uint16_t> symbols_;
};

class Inflater {
public:
    Inflater(std::span<const uint8_t> data, std::size_t maxOutput) : in_(data), max_(maxOutput) {}

    std::vector<uint8_t> run() {
        bool last = false;
        while (!last) {
            last = in_.bit() != 0;
            switch (in_.bits(2)) {
            case 0: stored(); break;
            case 1: fixed(); break;
            case 2: dynamic(); break;
            default: throw Damage{"a block has the reserved type 3"};
            }
        }
        in_.align();
        return std::move(out_);
    }
    std::size_t offset() const { return in_.offset(); }

private:
    void put(uint8_t b) {
        if (out_.size() >= max_) throw Damage{"the data grows past the " + std::to_string(max_) + " bytes expected"};
        out_.push_back(b);
    }

    void stored() {
        in_.align();
        const uint32_t len = in_.byte() | (uint32_t{in_.byte()} << 8);
        const uint32_t nlen = in_.byte() | (uint32_t{in_.byte()} << 8);
        if ((len ^ 0xFFFFu) != nlen) throw Damage{"a stored block's length and its complement disagree"};
        for (uint32_t i = 0; i < len; ++i) put(in_.byte());
    }

    void fixed() {
        static const auto kCodes = [] {
            std::array<uint8_t, 288 + 30> lengths{};
            for (int s = 0; s < 288; ++s)
                lengths[static_cast<std::size_t>(s)] = s < 144 ? 8 : s < 256 ? 9 : s < 280 ? 7 : 8;
            for (int s = 0; s < 30; ++s) lengths[288 + static_cast<std::size_t>(s)] = 5;
            return std::pair<Huffman, Huffman>{Huffman(lengths.data(), 288), Huffman(lengths.data() + 288, 30, true)};
        }();
        codes(kCodes.first, kCodes.second);
    }

    void dynamic() {
        const int nlen = static_cast<int>(in_.bits(5)) + 257;
        const int ndist = static_cast<int>(in_.bits(5)) + 1;
        const int ncode = static_cast<int>(in_.bits(4)) + 4;
        if (nlen > 286 || ndist > 30) throw Damage{"a dynamic block names too many codes"};
        std::array<uint8_t, 19> codeLengths{};
        for (int i = 0; i < ncode; ++i)
            codeLengths[kCodeLengthOrder[static_cast<std::size_t>(i)]] = static_cast<uint8_t>(in_.bits(3));
        const Huffman lengthCode(codeLengths.data(), 19);
        std::array<uint8_t, 286 + 30> lengths{};
        for (int i = 0; i < nlen + ndist;) {
            const int sym = lengthCode.decode(in_);
            if (sym < 16) {
                lengths[static_cast<std::size_t>(i++)] = static_cast<uint8_t>(sym);
                continue;
            }
            uint8_t value = 0;
            int repeat = 0;
            if (sym == 16) {
                if (i == 0) throw Damage{"a dynamic block repeats a length before the first"};
                value = lengths[static_cast<std::size_t>(i - 1)];
                repeat = 3 + static_cast<int>(in_.bits(2));
            } else {
                repeat = sym == 17 ? 3 + static_cast<int>(in_.bits(3)) : 11 + static_cast<int>(in_.bits(7));
            }
            if (i + repeat > nlen + ndist) throw Damage{"a dynamic block's code lengths run past their count"};
            while (repeat-- > 0) lengths[static_cast<std::size_t>(i++)] = value;
        }
        if (lengths[256] == 0) throw Damage{"a dynamic block has no end-of-block code"};
        codes(Huffman(lengths.data(), nlen), Huffman(lengths.data() + nlen, ndist));
    }

    void codes(const Huffman& literals, const Huffman& distances) {
        for (;;) {
            const int sym = literals.decode(in_);
            if (sym < 256) {
                put(static_cast<uint8_t>(sym));
                continue;
            }
            if (sym == 256) return;
            const auto l = static_cast<std::size_t>(sym - 257);
            if (l >= kLengthBase.size()) throw Damage{"a length code is out of range"};
            const std::size_t length = kLengthBase[l] + in_.bits(kLengthExtra[l]);
            const auto d = static_cast<std::size_t>(distances.decode(in_));
            if (d >= kDistanceBase.size()) throw Damage{"a distance code is out of range"};
            const std::size_t distance = kDistanceBase[d] + in_.bits(kDistanceExtra[d]);
            if (distance > out_.size()) throw Damage{"a distance reaches before the start of the data"};
            for (std::size_t k = 0; k < length; ++k) put(out_[out_.size() - distance]);
        }
    }

    BitReader in_;
    std::size_t max_;
    std::vector<uint8_t> out_;
};

}  // namespace

Result<std::vector<uint8_t>> ZlibInflate(std::span<const uint8_t> stream, std::size_t maxOutput) {
    if (stream.size() < 6)
        return MakeError(ErrorKind::Malformed, "the compressed data is too short to be a zlib stream");
    const uint8_t cmf = stream[0], flg = stream[1];
    if ((cmf & 0x0F) != 8 || (cmf >> 4) > 7 || ((cmf << 8) | flg) % 31 != 0)
        return MakeError(ErrorKind::Malformed, "the compressed data does not start with a deflate zlib header");
    if (flg & 0x20) return MakeError(ErrorKind::Malformed, "the compressed data asks for a preset dictionary");
    try {
        Inflater inflater(stream.subspan(2), maxOutput);
        std::vector<uint8_t> out = inflater.run();
        const std::size_t end = 2 + inflater.offset();
        if (stream.size() < end + 4)
            return MakeError(ErrorKind::Malformed, "the compressed data ends before its checksum");
        const uint32_t adler = (uint32_t{stream[end]} << 24) | (uint32_t{stream[end + 1]} << 16) |
                               (uint32_t{stream[end + 2]} << 8) | stream[end + 3];
        if (adler != Adler32(out))
            return MakeError(ErrorKind::Malformed, "the Adler-32 checksum of the data does not match");
        return out;
    } catch (const Damage& d) {
        return MakeError(ErrorKind::Malformed, d.what);
    }
}

}  // namespace glyphora
