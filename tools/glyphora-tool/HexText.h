// Bytes as hexadecimal text and back, and the fixed-width upper-case numbers
// of the information page.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace glyphora::tool {

// Two lower-case digits per byte, no separators.
std::string BytesToHex(std::span<const uint8_t> bytes);

// Accepts either case; nothing when the length is odd or a character is not a digit.
std::optional<std::vector<uint8_t>> HexToBytes(std::string_view text);

// At least `digits` upper-case digits; a negative 32-bit value shows its 8 digits.
std::string UpperHex(uint32_t value, int digits);

}  // namespace glyphora::tool
