#include "CharacterCode.h"

#include "TextEncoding.h"

#include <HexText.h>

namespace glyphora {

namespace {

constexpr const char* kCodeForms = "a character, or its code as U+0416, 0x416 or 1046";

Error Refusal(std::string message) { return MakeError(ErrorKind::Usage, std::move(message)); }

// Valid UTF-8 only.
std::vector<char32_t> CodePoints(std::string_view text) {
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        out.push_back(c);
        i += static_cast<std::size_t>(length);
    }
    return out;
}

Result<uint16_t> InRange(char32_t c) {
    if (c > 0xFFFF)
        return Refusal(CodeName(c) + " lies beyond U+FFFF: the font sets hold 16-bit character codes only.");
    return static_cast<uint16_t>(c);
}

int DigitValue(char c, int base) {
    if (c >= '0' && c <= '9') return c - '0';
    if (base == 16 && c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (base == 16 && c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

Result<uint16_t> ParseCharacterCode(std::string_view typed) {
    if (!IsValidUtf8(typed)) return Refusal("The text typed is not valid UTF-8.");
    if (const auto all = CodePoints(typed); all.size() == 1) return InRange(all.front());

    while (!typed.empty() && IsBlank(typed.front())) typed.remove_prefix(1);
    while (!typed.empty() && IsBlank(typed.back())) typed.remove_suffix(1);
    if (typed.empty()) return Refusal(std::string("Type ") + kCodeForms + ".");
    if (const auto trimmed = CodePoints(typed); trimmed.size() == 1) return InRange(trimmed.front());

    std::string_view digits = typed;
    int base = 10;
    if (digits.size() > 2 && (digits.substr(0, 2) == "U+" || digits.substr(0, 2) == "u+" ||
                              digits.substr(0, 2) == "0x" || digits.substr(0, 2) == "0X")) {
        base = 16;
        digits.remove_prefix(2);
    }
    uint32_t value = 0;
    for (char c : digits) {
        const int digit = DigitValue(c, base);
        if (digit < 0)
            return Refusal("\"" + std::string(typed) + "\" is neither one character nor a code: type " + kCodeForms +
                           ".");
        // Past U+FFFF the value only has to stay too large; it is named as typed, never as a cut number.
        if (value <= 0xFFFF) value = value * static_cast<uint32_t>(base) + static_cast<uint32_t>(digit);
    }
    if (value > 0xFFFF)
        return Refusal("The number \"" + std::string(typed) +
                       "\" is too large: the font sets hold 16-bit character codes only, up to U+FFFF.");
    return static_cast<uint16_t>(value);
}

std::string CharacterName(uint16_t code) {
    const bool invisible = code < 0x20 || (code >= 0x7F && code < 0xA0) || (code >= 0xD800 && code < 0xE000);
    if (invisible) return CodeName(code);
    std::string name = CodeName(code) + " (";
    AppendUtf8(name, static_cast<char16_t>(code));
    return name + ")";
}

int FindGlyph(std::span<const Symbols> glyphs, uint16_t code) {
    for (std::size_t i = 0; i < glyphs.size(); ++i)
        if (glyphs[i].Code == code) return static_cast<int>(i);
    return -1;
}

bool BlankByNature(uint16_t code) {
    return code == 0x20 || code == 0xA0 || (code >= 0x2000 && code <= 0x200B) || code == 0x3000;
}

}  // namespace glyphora
