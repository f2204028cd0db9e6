// Decoding of two-character hexadecimal byte fields of S-record lines.
//
// A digit character c is worth c - 48, less a further 7 when that exceeds 16,
// and the pair makes first * 16 + second kept to 8 bits. Only 0-9 and A-F give
// their proper values; every other character still decodes to something, and a
// line carrying one normally fails its checksum. Each field goes through one
// table look-up so a long data field decodes at memory speed.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace glyphora::shx {

namespace detail {

constexpr uint8_t DigitValue(unsigned c)
{
    int value = static_cast<int>(c) - 48;
    if (value > 16)
        value -= 7;
    return static_cast<uint8_t>(value & 0xFF);
}

// Indexed by first character * 256 + second character.
constexpr std::array<uint8_t, 65536> MakePairTable()
{
    std::array<uint8_t, 65536> table{};
    for (unsigned first = 0; first < 256; ++first)
        for (unsigned second = 0; second < 256; ++second)
            table[first * 256 + second] = static_cast<uint8_t>(DigitValue(first) * 16u + DigitValue(second));
    return table;
}

inline constexpr std::array<uint8_t, 65536> kHexPairTable = MakePairTable();

}  // namespace detail

inline uint8_t HexByte(char first, char second)
{
    return detail::kHexPairTable[static_cast<unsigned>(static_cast<unsigned char>(first)) << 8 |
                                 static_cast<unsigned char>(second)];
}

// Decodes `count` pairs of characters into `out` and returns the sum of the
// bytes (for the checksum). Sixteen pairs at a time where the processor has
// SSE2, by the same rule as HexByte: c - 48, less 7 when c is above 64, all
// kept to 8 bits.
inline unsigned DecodeHexPairs(const char* text, std::size_t count, uint8_t* out)
{
    unsigned sum = 0;
    std::size_t done = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i digitBase = _mm_set1_epi8(48);
    const __m128i letterStart = _mm_set1_epi8(65);
    const __m128i letterGap = _mm_set1_epi8(7);
    const __m128i lowBytes = _mm_set1_epi16(0xFF);
    auto digitValues = [&](__m128i chars) {
        const __m128i isLetter = _mm_cmpeq_epi8(_mm_max_epu8(chars, letterStart), chars);
        return _mm_sub_epi8(_mm_sub_epi8(chars, digitBase), _mm_and_si128(isLetter, letterGap));
    };
    // Each 16-bit lane holds a pair: first digit in its low byte, second in its high byte.
    auto pairValues = [&](__m128i values) {
        return _mm_and_si128(_mm_add_epi16(_mm_slli_epi16(values, 4), _mm_srli_epi16(values, 8)), lowBytes);
    };
    __m128i sums = zero;
    for (; done + 16 <= count; done += 16) {
        const __m128i first = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + 2 * done));
        const __m128i second = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + 2 * done + 16));
        const __m128i bytes = _mm_packus_epi16(pairValues(digitValues(first)), pairValues(digitValues(second)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + done), bytes);
        sums = _mm_add_epi64(sums, _mm_sad_epu8(bytes, zero));
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

}  // namespace glyphora::shx
