#include "GlyphClip.h"

#include <GlyphRows.h>
#include <HexText.h>

#include <charconv>

namespace glyphora {

namespace {

constexpr std::string_view kMagic = "glyphora-glyphs 1";

// Splits off the next line (without its '\n'); false at the end of the text.
bool NextLine(std::string_view& text, std::string_view& line) {
    if (text.empty()) return false;
    const std::size_t end = text.find('\n');
    line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return true;
}

// The next word separated by one space.
std::string_view NextWord(std::string_view& line) {
    const std::size_t end = line.find(' ');
    const std::string_view word = line.substr(0, end);
    line = end == std::string_view::npos ? std::string_view() : line.substr(end + 1);
    return word;
}

bool ParseNumber(std::string_view word, int base, int min, int max, int& value) {
    if (word.empty() || word.size() > 5) return false;
    int number = 0;
    const auto [stop, error] = std::from_chars(word.data(), word.data() + word.size(), number, base);
    if (error != std::errc() || stop != word.data() + word.size() || number < min || number > max) return false;
    value = number;
    return true;
}

Error Damaged(int line, const std::string& what) {
    return MakeError(ErrorKind::Malformed, "line " + std::to_string(line) + " of the glyphs " + what);
}

}  // namespace

GlyphClip ClipOfGlyphs(const TLangpack& lp, int set, const std::vector<int>& glyphs) {
    GlyphClip clip;
    if (set < 0 || set >= static_cast<int>(lp.SymbolTable.size())) return clip;
    clip.height = lp.FontSetTable[static_cast<std::size_t>(set)].Height;
    const std::vector<Symbols>& from = lp.glyphs(set);
    for (int g : glyphs) {
        if (g < 0 || g >= static_cast<int>(from.size())) continue;
        const Symbols& s = from[static_cast<std::size_t>(g)];
        std::vector<uint8_t> rows = s.Data;
        rows.resize(GlyphDataSize(s.Width, clip.height), 0xFF);
        clip.glyphs.push_back({s.Code, s.Width, std::move(rows)});
    }
    return clip;
}

std::string WriteGlyphClip(const GlyphClip& clip) {
    std::string text = std::string(kMagic) + "\nheight " + std::to_string(clip.height) + "\n";
    for (const ClipGlyph& g : clip.glyphs) {
        text += "glyph " + UpperHex(g.code, 4) + " " + std::to_string(g.width) + " ";
        for (uint8_t b : g.rows) text += UpperHex(b, 2);
        text += "\n";
    }
    return text + "end\n";
}

Result<GlyphClip> ReadGlyphClip(std::string_view text) {
    if (text.size() > kMaxGlyphClipSize) return MakeError(ErrorKind::Malformed, "the glyphs are too large");
    std::string_view line;
    if (!NextLine(text, line) || line != kMagic) return MakeError(ErrorKind::Malformed, "no glyphs of this editor");
    GlyphClip clip;
    int number = 2;
    if (!NextLine(text, line) || NextWord(line) != "height" || !ParseNumber(line, 10, 1, kMaxHeight, clip.height))
        return Damaged(number, "has no height of 1 to " + std::to_string(kMaxHeight));
    for (++number; NextLine(text, line); ++number) {
        if (line == "end") {
            if (clip.glyphs.empty()) return Damaged(number, "ends before any glyph");
            return clip;
        }
        if (NextWord(line) != "glyph") return Damaged(number, "is no glyph");
        if (clip.glyphs.size() >= static_cast<std::size_t>(kMaxSymbols))
            return Damaged(number, "is more than " + std::to_string(kMaxSymbols) + " glyphs");
        int code = 0, width = 0;
        const std::string_view codeWord = NextWord(line);
        if (codeWord.size() != 4 || !ParseNumber(codeWord, 16, 0, 0xFFFF, code))
            return Damaged(number, "has no code of four hexadecimal digits");
        if (!ParseNumber(NextWord(line), 10, 0, kMaxGlyphWidth, width))
            return Damaged(number, "has no width of 0 to " + std::to_string(kMaxGlyphWidth));
        const std::optional<std::vector<uint8_t>> rows = HexToBytes(line);
        if (!rows || rows->size() != GlyphDataSize(width, clip.height))
            return Damaged(number, "does not hold " + std::to_string(clip.height) + " rows of that width");
        clip.glyphs.push_back({static_cast<uint16_t>(code), static_cast<uint8_t>(width), *rows});
    }
    return MakeError(ErrorKind::Malformed, "the glyphs end before their last line");
}

}  // namespace glyphora
