#include "CodeRangeText.h"

#include "CharacterCode.h"

#include <HexText.h>

#include <algorithm>
#include <array>
#include <cctype>

namespace glyphora {

namespace {

constexpr std::array kBlocks = {
    NamedBlock{"Basic Latin", {0x20, 0x7E}},        NamedBlock{"Latin-1", {0xA0, 0xFF}},
    NamedBlock{"Latin Extended-A", {0x100, 0x17F}}, NamedBlock{"Greek", {0x384, 0x3CE}},
    NamedBlock{"Cyrillic", {0x400, 0x45F}},         NamedBlock{"Russian", {0x410, 0x44F}},
    NamedBlock{"Hebrew", {0x5D0, 0x5EA}},           NamedBlock{"General Punctuation", {0x2010, 0x2027}},
    NamedBlock{"Currency", {0x20A0, 0x20BF}},
};

Error Wrong(std::string why) { return MakeError(ErrorKind::Usage, std::move(why)); }

std::string Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// The two ends, split at an en or em dash, "..", or a hyphen that is not the
// first character (so "-" alone, and "--" from "-" to "-"... are ends too).
bool SplitEnds(const std::string& text, std::string& from, std::string& to) {
    for (std::string_view separator : {"\u2013", "\u2014", "..", "-"}) {
        const std::size_t at = text.find(separator, separator == "-" ? 1 : 0);
        if (at == std::string::npos || at == 0) continue;
        from = Trimmed(std::string_view(text).substr(0, at));
        to = Trimmed(std::string_view(text).substr(at + separator.size()));
        if (!from.empty() && !to.empty()) return true;
    }
    return false;
}

}  // namespace

std::span<const NamedBlock> CommonBlocks() { return kBlocks; }

Result<CodeSpan> ParseCodeRange(std::string_view typed) {
    const std::string text = Trimmed(typed);
    if (text.empty()) return Wrong("no characters were given");
    for (const NamedBlock& block : kBlocks)
        if (SameName(text, block.name)) return block.span;
    std::string from;
    std::string to;
    if (!SplitEnds(text, from, to)) from = to = text;
    const Result<uint16_t> first = ParseCharacterCode(from);
    if (!first) return first.error();
    const Result<uint16_t> last = ParseCharacterCode(to);
    if (!last) return last.error();
    const CodeSpan span{*first, *last};
    if (Status ok = CheckCodeSpan(span); !ok) return Wrong(ok.error().message);
    return span;
}

Result<uint16_t> ParseCodeNumber(std::string_view typed) {
    const std::string text = Trimmed(typed);
    // A lone digit is a number here, not the character it shows.
    if (text.size() == 1 && std::isdigit(static_cast<unsigned char>(text[0])))
        return static_cast<uint16_t>(text[0] - '0');
    if (text.size() <= 1 ||
        std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
        return Wrong("\"" + text + "\" is not a character code: give it as decimal, 0x... or U+...");
    return ParseCharacterCode(text);
}

std::string CodeSpanName(CodeSpan span) {
    if (span.first == span.last) return CodeName(span.first);
    return CodeName(span.first) + "\u2013" + CodeName(span.last);
}

}  // namespace glyphora
