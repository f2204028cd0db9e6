// GNU Unifont's .hex form: one glyph per line, "CODE:ROWS" with ROWS the 16
// rows as hex, 2 digits per row for an 8-pixel glyph, 4 for a 16-pixel one.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <string>

namespace glyphora::demo {

inline constexpr int kUnifontHeight = 16;

struct UnifontGlyph {
    int width = 8;                                // 8 or 16
    std::array<uint16_t, kUnifontHeight> rows{};  // leftmost pixel in bit 15
};

struct UnifontLoad {
    std::string error;  // empty when read
    std::map<uint32_t, UnifontGlyph> glyphs;
};

// Reads only the wanted code points; a wanted one that is missing is an error.
UnifontLoad LoadUnifontHex(const std::string& path, const std::set<uint32_t>& wanted);

}  // namespace glyphora::demo
