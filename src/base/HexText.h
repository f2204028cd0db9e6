// Hexadecimal text for the whole project: fixed-width upper-case numbers (the
// information page, file names of code groups, messages) and bytes as text.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace glyphora {

// At least `digits` upper-case digits: UpperHex(0xB1, 4) is "00B1".
std::string UpperHex(uint64_t value, int digits);

// A character code as every message and list names it: "U+0416", "U+1F600".
std::string CodeName(uint32_t code);
// "U+0041, U+0042 and 3 more": at most `named` codes, so that a message stays short.
std::string CodeNames(std::span<const uint16_t> codes, std::size_t named = 40);

// An offset in a message: "0x1A2B".
std::string HexOffset(uint64_t offset);

// The value of one hexadecimal digit of either case, or -1.
int HexDigitValue(char c);

// Accepts either case; nothing when the length is odd or a character is not a digit.
std::optional<std::vector<uint8_t>> HexToBytes(std::string_view text);

}  // namespace glyphora
