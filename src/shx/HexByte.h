// Decoding of two-character hexadecimal byte fields of S-record lines.
//
// A digit character c is worth c - 48, less a further 7 when that exceeds 16,
// and the pair makes first * 16 + second kept to 8 bits. Only 0-9 and A-F give
// their proper values; every other character still decodes to something, and a
// line carrying one normally fails its checksum. Each field goes through one
// table look-up so a long data field decodes at memory speed.
#pragma once

#include <array>
#include <cstdint>

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

}  // namespace glyphora::shx
