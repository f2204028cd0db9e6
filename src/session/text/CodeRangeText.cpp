#include "CodeRangeText.h"

#include "CharacterCode.h"
#include "TextEncoding.h"

#include <HexText.h>

#include <algorithm>
#include <array>
#include <cctype>

namespace glyphora {

namespace {

NamedBlock Run(const char* name, CodeSpan span) { return {name, nullptr, span}; }
NamedBlock Alphabet(const char* name, const char* letters) { return {name, letters, {}}; }

// The scripts' runs are the letters and signs a phone font needs, not the
// whole Unicode block (codes without characters would only cost glyphs). The
// alphabets are written capitals first, each in its own order.
const std::array kBlocks = {
    Run("Basic Latin", {0x20, 0x7E}),
    Run("Latin-1", {0xA0, 0xFF}),
    Run("Latin Extended-A", {0x100, 0x17F}),
    Run("Greek", {0x384, 0x3CE}),
    Run("Cyrillic", {0x400, 0x45F}),
    Run("Hebrew", {0x5D0, 0x5EA}),
    Run("General Punctuation", {0x2010, 0x2027}),
    Run("Currency", {0x20A0, 0x20BF}),
    Alphabet("Belarusian",
             "АБВГДЕЁЖЗІЙКЛМНОПРСТУЎФХЦЧШЫЬЭЮЯ"
             "абвгдеёжзійклмнопрстуўфхцчшыьэюя"),
    Alphabet("Macedonian",
             "АБВГДЃЕЖЗЅИЈКЛЉМНЊОПРСТЌУФХЦЧЏШ"
             "абвгдѓежзѕијклљмнњопрстќуфхцчџш"),
    Alphabet("Russian",
             "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"
             "абвгдеёжзийклмнопрстуфхцчшщъыьэюя"),
    Alphabet("Serbian",
             "АБВГДЂЕЖЗИЈКЛЉМНЊОПРСТЋУФХЦЧЏШ"
             "абвгдђежзијклљмнњопрстћуфхцчџш"),
    Alphabet("Ukrainian",
             "АБВГҐДЕЄЖЗИІЇЙКЛМНОПРСТУФХЦЧШЩЬЮЯ"
             "абвгґдеєжзиіїйклмнопрстуфхцчшщьюя"),
    Alphabet("Czech",
             "AÁBCČDĎEÉĚFGHIÍJKLMNŇOÓPQRŘSŠTŤUÚŮVWXYÝZŽ"
             "aábcčdďeéěfghiíjklmnňoópqrřsštťuúůvwxyýzž"),
    Alphabet("Estonian",
             "ABCDEFGHIJKLMNOPQRSŠZŽTUVWÕÄÖÜXY"
             "abcdefghijklmnopqrsšzžtuvwõäöüxy"),
    Alphabet("German",
             "ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜ"
             "abcdefghijklmnopqrstuvwxyzäöüß"),
    Alphabet("Hungarian",
             "AÁBCDEÉFGHIÍJKLMNOÓÖŐPQRSTUÚÜŰVWXYZ"
             "aábcdeéfghiíjklmnoóöőpqrstuúüűvwxyz"),
    Alphabet("Latvian",
             "AĀBCČDEĒFGĢHIĪJKĶLĻMNŅOPRSŠTUŪVZŽ"
             "aābcčdeēfgģhiījkķlļmnņoprsštuūvzž"),
    Alphabet("Lithuanian",
             "AĄBCČDEĘĖFGHIĮYJKLMNOPRSŠTUŲŪVZŽ"
             "aąbcčdeęėfghiįyjklmnoprsštuųūvzž"),
    Alphabet("Polish",
             "AĄBCĆDEĘFGHIJKLŁMNŃOÓPRSŚTUWYZŹŻ"
             "aąbcćdeęfghijklłmnńoóprsśtuwyzźż"),
    Alphabet("Romanian",
             "AĂÂBCDEFGHIÎJKLMNOPQRSȘTȚUVWXYZ"
             "aăâbcdefghiîjklmnopqrsștțuvwxyz"),
    Alphabet("Slovak",
             "AÁÄBCČDĎEÉFGHIÍJKLĹĽMNŇOÓÔPQRŔSŠTŤUÚVWXYÝZŽ"
             "aáäbcčdďeéfghiíjklĺľmnňoóôpqrŕsštťuúvwxyýzž"),
    Alphabet("Turkish",
             "ABCÇDEFGĞHIİJKLMNOÖPRSŞTUÜVYZ"
             "abcçdefgğhıijklmnoöprsştuüvyz"),
};

// One example of each form, for the message that refuses an entry.
constexpr const char* kForms =
    "Type a character (Ё), a code (U+0401, 0x401 or 1025), a range (А–я or U+0410–U+044F), a block (Russian), "
    "or several of these separated by commas (А–я, Ё, ё)";

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

// Valid UTF-8 of the Basic Multilingual Plane, as the blocks are written.
std::vector<uint16_t> Utf8Codes(std::string_view text) {
    std::vector<uint16_t> codes;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : 3;
        uint32_t code = length == 1 ? lead : lead & (0x7Fu >> length);
        for (std::size_t k = 1; k < length && i + k < text.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3Fu);
        codes.push_back(static_cast<uint16_t>(code));
        i += length;
    }
    return codes;
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

// An entry meant as a number ("U+1F600", "70000"), which then deserves the
// number's own refusal rather than the list of forms.
bool LooksLikeNumber(std::string_view text) {
    if (text.size() > 2 &&
        (text.starts_with("U+") || text.starts_with("u+") || text.starts_with("0x") || text.starts_with("0X")))
        text.remove_prefix(2);
    return text.size() > 1 &&
           std::all_of(text.begin(), text.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
}

std::string Sentence(std::string text) {
    while (!text.empty() && text.back() == '.') text.pop_back();
    return text + ".";
}

// The range or the one character or code `text` names. When refused,
// `meantAsCodes` tells whether the text was meant as codes (a reversed range,
// a number too large) rather than as something else altogether.
Result<CodeSpan> SpanOf(const std::string& text, bool& meantAsCodes) {
    std::string from;
    std::string to;
    if (!SplitEnds(text, from, to)) from = to = text;
    const Result<uint16_t> first = ParseCharacterCode(from);
    meantAsCodes = LooksLikeNumber(from);
    if (!first) return first.error();
    const Result<uint16_t> last = ParseCharacterCode(to);
    meantAsCodes = LooksLikeNumber(to);
    if (!last) return last.error();
    meantAsCodes = true;
    const CodeSpan span{*first, *last};
    if (Status ok = CheckCodeSpan(span); !ok) return Wrong(ok.error().message);
    return span;
}

// One entry of a list: a block, a range or one character or code.
Result<std::vector<uint16_t>> ParseEntry(const std::string& entry) {
    if (const NamedBlock* block = FindBlock(entry)) return BlockCodes(*block);
    bool meantAsCodes = false;
    const Result<CodeSpan> span = SpanOf(entry, meantAsCodes);
    if (!span && meantAsCodes) return Wrong("\"" + entry + "\": " + Sentence(span.error().message));
    if (!span) return Wrong("\"" + entry + "\" is not a character, a code, a range or a block. " + kForms + ".");
    std::vector<uint16_t> codes;
    for (uint32_t code = span->first; code <= span->last; ++code) codes.push_back(static_cast<uint16_t>(code));
    return codes;
}

bool IsRangeSeparator(std::string_view word) {
    return word == "\u2013" || word == "\u2014" || word == ".." || word == "-";
}

// A part between commas: one entry, or failing that, entries separated by
// blanks, where a dash standing alone joins its neighbours into a range
// ("А – я Ё ё").
Result<std::vector<uint16_t>> ParsePart(const std::string& part) {
    Result<std::vector<uint16_t>> whole = ParseEntry(part);
    if (whole || part.find_first_of(" \t") == std::string::npos) return whole;
    std::vector<std::string> words;
    for (std::size_t at = 0; (at = part.find_first_not_of(" \t", at)) != std::string::npos;) {
        const std::size_t end = std::min(part.find_first_of(" \t", at), part.size());
        words.push_back(part.substr(at, end - at));
        at = end;
    }
    std::vector<uint16_t> codes;
    for (std::size_t i = 0; i < words.size(); ++i) {
        std::string entry = words[i];
        if (i + 2 < words.size() && IsRangeSeparator(words[i + 1])) {
            entry += words[i + 1] + words[i + 2];
            i += 2;
        }
        const Result<std::vector<uint16_t>> got = ParseEntry(entry);
        if (!got) return got.error();
        codes.insert(codes.end(), got->begin(), got->end());
    }
    return codes;
}

}  // namespace

std::span<const NamedBlock> CommonBlocks() { return kBlocks; }

const NamedBlock* FindBlock(std::string_view name) {
    const std::string text = Trimmed(name);
    for (const NamedBlock& block : kBlocks)
        if (SameName(text, block.name)) return &block;
    return nullptr;
}

std::vector<uint16_t> BlockCodes(const NamedBlock& block) {
    std::vector<uint16_t> codes;
    if (block.letters) {
        codes = Utf8Codes(block.letters);
    } else {
        for (uint32_t code = block.span.first; code <= block.span.last; ++code)
            codes.push_back(static_cast<uint16_t>(code));
    }
    std::sort(codes.begin(), codes.end());
    codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
    return codes;
}

std::string BlockSummary(const NamedBlock& block) {
    if (!block.letters) return CodeSpanName(block.span);
    return std::to_string(Utf8Codes(block.letters).size()) + " letters";
}

Result<std::vector<uint16_t>> ParseCodeList(std::string_view typed) {
    if (!IsValidUtf8(typed)) return Wrong("The text typed is not valid UTF-8.");
    std::vector<uint16_t> codes;
    std::size_t start = 0;
    while (start <= typed.size()) {
        const std::size_t comma = std::min(typed.find(',', start), typed.size());
        const std::string part = Trimmed(typed.substr(start, comma - start));
        start = comma + 1;
        if (part.empty()) continue;  // "Ё, ё," or ", ,": nothing between the commas
        const Result<std::vector<uint16_t>> got = ParsePart(part);
        if (!got) return got.error();
        codes.insert(codes.end(), got->begin(), got->end());
    }
    if (codes.empty()) return Wrong(std::string("No characters were given. ") + kForms + ".");
    std::sort(codes.begin(), codes.end());
    codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
    return codes;
}

Result<CodeSpan> ParseCodeRange(std::string_view typed) {
    const std::string text = Trimmed(typed);
    if (text.empty()) return Wrong("no characters were given");
    bool meantAsCodes = false;
    return SpanOf(text, meantAsCodes);
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
