// Decoding of two-character hexadecimal byte fields of S-record lines.
//
// A digit character c is worth c - 48, less a further 7 when that exceeds 16,
// and the pair makes first * 16 + second kept to 8 bits. Only 0-9 and A-F give
// their proper values; every other character still decodes to something, and a
// line carrying one normally fails its checksum. A single field goes through
// one table look-up; long data fields are decoded many pairs at a time.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace glyphora::shx {

namespace detail {

constexpr uint8_t DigitValue(unsigned c) {
    int value = static_cast<int>(c) - 48;
    if (value > 16) value -= 7;
    return static_cast<uint8_t>(value & 0xFF);
}

// Indexed by first character * 256 + second character.
constexpr std::array<uint8_t, 65536> MakePairTable() {
    std::array<uint8_t, 65536> table{};
    for (unsigned first = 0; first < 256; ++first)
        for (unsigned second = 0; second < 256; ++second)
            table[first * 256 + second] = static_cast<uint8_t>(DigitValue(first) * 16u + DigitValue(second));
    return table;
}

inline constexpr std::array<uint8_t, 65536> kHexPairTable = MakePairTable();

}  // namespace detail

inline uint8_t HexByte(char first, char second) {
    return detail::kHexPairTable[static_cast<unsigned>(static_cast<unsigned char>(first)) << 8 |
                                 static_cast<unsigned char>(second)];
}

#if defined(__SSE2__)
namespace detail {

// The value of each character, by the rule above, in 8-bit lanes.
inline __m128i DigitValues(__m128i chars) {
    const __m128i isLetter = _mm_cmpeq_epi8(_mm_max_epu8(chars, _mm_set1_epi8(65)), chars);
    return _mm_sub_epi8(_mm_sub_epi8(chars, _mm_set1_epi8(48)), _mm_and_si128(isLetter, _mm_set1_epi8(7)));
}

// Each 16-bit lane holds a pair, first digit in its low byte: the lane becomes
// first * 16 + second, kept to 8 bits.
inline __m128i PairValues(__m128i values) {
    return _mm_and_si128(_mm_add_epi16(_mm_slli_epi16(values, 4), _mm_srli_epi16(values, 8)), _mm_set1_epi16(0xFF));
}

}  // namespace detail
#endif

// Decodes `count` pairs of characters into `out` and returns the sum of the
// bytes (for the checksum); sixteen pairs at a time where SSE2 is available.
inline unsigned DecodeHexPairs(const char* text, std::size_t count, uint8_t* out) {
    unsigned sum = 0;
    std::size_t done = 0;
#if defined(__SSE2__)
    __m128i sums = _mm_setzero_si128();
    for (; done + 16 <= count; done += 16) {
        const __m128i first = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + 2 * done));
        const __m128i second = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + 2 * done + 16));
        const __m128i bytes = _mm_packus_epi16(detail::PairValues(detail::DigitValues(first)),
                                               detail::PairValues(detail::DigitValues(second)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + done), bytes);
        sums = _mm_add_epi64(sums, _mm_sad_epu8(bytes, _mm_setzero_si128()));
    }
    sum = static_cast<unsigned>(_mm_cvtsi128_si32(sums) + _mm_cvtsi128_si32(_mm_unpackhi_epi64(sums, sums)));
#endif
    for (; done < count; ++done) {
        const uint8_t value = HexByte(text[2 * done], text[2 * done + 1]);
        out[done] = value;
        sum += value;
    }
    return sum;
}

// The sum of the four bytes of an 8-character field: an S3 record's address,
// which counts only for the checksum.
inline unsigned SumOfFourHexPairs(const char* text) {
#if defined(__SSE2__)
    // The upper half of the register holds no characters; only the lower half is summed.
    const __m128i chars = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(text));
    const __m128i sums = _mm_sad_epu8(detail::PairValues(detail::DigitValues(chars)), _mm_setzero_si128());
    return static_cast<unsigned>(_mm_cvtsi128_si32(sums));
#else
    return HexByte(text[0], text[1]) + HexByte(text[2], text[3]) + HexByte(text[4], text[5]) +
           HexByte(text[6], text[7]);
#endif
}

}  // namespace glyphora::shx
