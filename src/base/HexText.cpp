#include "HexText.h"

namespace glyphora {

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

namespace {

constexpr char kUpperDigits[] = "0123456789ABCDEF";

}  // namespace

std::optional<std::vector<uint8_t>> HexToBytes(std::string_view text) {
    if (text.size() % 2 != 0) {
        return std::nullopt;
    }
    std::vector<uint8_t> bytes;
    bytes.reserve(text.size() / 2);
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int high = HexDigitValue(text[i]);
        const int low = HexDigitValue(text[i + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<uint8_t>(high << 4 | low));
    }
    return bytes;
}

std::string UpperHex(uint64_t value, int digits) {
    std::string text;
    do {
        text.insert(text.begin(), kUpperDigits[value & 0x0F]);
        value >>= 4;
    } while (value != 0);
    if (static_cast<int>(text.size()) < digits) {
        text.insert(0, static_cast<std::size_t>(digits) - text.size(), '0');
    }
    return text;
}

std::string CodeName(uint32_t code) { return "U+" + UpperHex(code, 4); }

std::string CodeNames(std::span<const uint16_t> codes, std::size_t named) {
    std::string list;
    for (std::size_t i = 0; i < codes.size() && i < named; ++i) list += (i ? ", " : "") + CodeName(codes[i]);
    if (codes.size() > named) list += " and " + std::to_string(codes.size() - named) + " more";
    return list;
}

std::string HexOffset(uint64_t offset) { return "0x" + UpperHex(offset, 1); }

}  // namespace glyphora
