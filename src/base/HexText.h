// Hexadecimal text for the whole project: fixed-width upper-case numbers (the
// information page, file names of code groups, messages) and bytes as text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glyphora {

// At least `digits` upper-case digits: UpperHex(0xB1, 4) is "00B1".
std::string UpperHex(uint64_t value, int digits);

// An offset in a message: "0x1A2B".
std::string HexOffset(uint64_t offset);

// The value of one hexadecimal digit of either case, or -1.
int HexDigitValue(char c);

// Accepts either case; nothing when the length is odd or a character is not a digit.
std::optional<std::vector<uint8_t>> HexToBytes(std::string_view text);

}  // namespace glyphora
