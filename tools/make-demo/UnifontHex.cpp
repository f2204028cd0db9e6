#include "UnifontHex.h"

#include <HexText.h>

#include <fstream>

namespace glyphora::demo {

namespace {

bool ParseHex(const std::string& text, std::size_t from, std::size_t count, uint32_t& value) {
    value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        const char c = text[i];
        uint32_t digit;
        if (c >= '0' && c <= '9')
            digit = static_cast<uint32_t>(c - '0');
        else if (c >= 'A' && c <= 'F')
            digit = static_cast<uint32_t>(c - 'A' + 10);
        else if (c >= 'a' && c <= 'f')
            digit = static_cast<uint32_t>(c - 'a' + 10);
        else
            return false;
        value = value << 4 | digit;
    }
    return true;
}

}  // namespace

UnifontLoad LoadUnifontHex(const std::string& path, const std::set<uint32_t>& wanted) {
    UnifontLoad load;
    std::ifstream in(path);
    if (!in) {
        load.error = "cannot open '" + path + "'";
        return load;
    }
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        const std::size_t colon = line.find(':');
        uint32_t code = 0;
        if (colon == std::string::npos || colon == 0 || colon > 6 || !ParseHex(line, 0, colon, code)) {
            load.error = path + ": line " + std::to_string(lineNumber) + " is not CODE:ROWS";
            return load;
        }
        if (!wanted.contains(code)) {
            continue;
        }
        const std::size_t digits = line.size() - colon - 1;
        if (digits != 32 && digits != 64) {
            load.error = path + ": glyph " + line.substr(0, colon) + " has " + std::to_string(digits) +
                         " digits; 32 or 64 expected";
            return load;
        }
        UnifontGlyph glyph;
        glyph.width = digits == 32 ? 8 : 16;
        const std::size_t perRow = digits / kUnifontHeight;
        for (std::size_t y = 0; y < kUnifontHeight; ++y) {
            uint32_t row = 0;
            if (!ParseHex(line, colon + 1 + y * perRow, perRow, row)) {
                load.error = path + ": glyph " + line.substr(0, colon) + " has a non-hex digit";
                return load;
            }
            glyph.rows[y] = static_cast<uint16_t>(glyph.width == 8 ? row << 8 : row);
        }
        load.glyphs[code] = glyph;
    }
    for (uint32_t code : wanted) {
        if (!load.glyphs.contains(code)) {
            load.error = path + ": no glyph for " + CodeName(code);
            return load;
        }
    }
    return load;
}

}  // namespace glyphora::demo
