#include "SampleLine.h"

#include "GlyphRows.h"
#include "Raster.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace glyphora {

namespace {

// (code, glyph index), sorted by code and, for equal codes, by index.
std::vector<std::pair<uint16_t, int>> CodeIndex(std::span<const Symbols> glyphs) {
    std::vector<std::pair<uint16_t, int>> index;
    index.reserve(glyphs.size());
    for (std::size_t i = 0; i < glyphs.size(); ++i) index.emplace_back(glyphs[i].Code, static_cast<int>(i));
    std::sort(index.begin(), index.end());
    return index;
}

int Lookup(const std::vector<std::pair<uint16_t, int>>& index, char16_t code) {
    const auto at = std::lower_bound(index.begin(), index.end(), std::pair<uint16_t, int>{code, -1});
    return at != index.end() && at->first == code ? at->second : -1;
}

// The columns a glyph takes: its width, as far as its stored rows reach.
int ShownWidth(const Symbols& glyph) {
    const int width = glyph.Width;
    return std::min(width, 8 * BytesPerRow(width));
}

}  // namespace

int MissingCharacterWidth(int height) { return std::max(3, height / 2) + 1; }

SampleLine LayOutSampleLine(std::u16string_view text, std::span<const Symbols> glyphs, int height,
                            const SampleOverride& working) {
    height = std::max(height, 0);
    const auto index = CodeIndex(glyphs);
    const bool overridden = working.image && working.glyph >= 0 && working.glyph < static_cast<int>(glyphs.size());
    const int workingWidth = std::clamp(working.width, 0, overridden ? working.image->width() : 0);

    SampleLine line;
    line.characters.reserve(text.size());
    int x = 0;
    for (char16_t code : text) {
        const int glyph = Lookup(index, code);
        int width = MissingCharacterWidth(height);
        if (glyph >= 0)
            width = overridden && glyph == working.glyph ? workingWidth
                                                         : ShownWidth(glyphs[static_cast<std::size_t>(glyph)]);
        line.characters.push_back({x, x + width, glyph});
        x += width;
    }

    line.image = MonoImage(x, height);
    for (const SampleCharacter& c : line.characters) {
        if (c.glyph < 0) {
            DrawRectangle(line.image, {c.begin, 0, c.end - 1, height}, Pen{Pixel::Ink});
        } else if (overridden && c.glyph == working.glyph) {
            line.image.draw(working.image->copy(0, 0, c.end - c.begin, height), c.begin);
        } else {
            const Symbols& g = glyphs[static_cast<std::size_t>(c.glyph)];
            line.image.draw(GlyphRowsToImage(g.Data, g.Width, height).copy(0, 0, c.end - c.begin, height), c.begin);
        }
    }
    return line;
}

int SampleCharacterAt(const SampleLine& line, int x) {
    // Characters are in column order; a zero-width one is never under the pointer.
    const auto at = std::upper_bound(line.characters.begin(), line.characters.end(), x,
                                     [](int column, const SampleCharacter& c) { return column < c.end; });
    if (at == line.characters.end() || x < at->begin) return -1;
    return static_cast<int>(at - line.characters.begin());
}

std::vector<std::size_t> SampleRowStarts(const SampleLine& line, std::u16string_view text, int maxWidth) {
    std::vector<std::size_t> starts{0};
    if (maxWidth <= 0) return starts;
    const std::size_t count = std::min(line.characters.size(), text.size());
    std::size_t afterSpace = 0;  // first character after the row's last space; 0: none yet
    for (std::size_t i = 0; i < count; ++i) {
        while (i > starts.back() && line.characters[i].end - line.characters[starts.back()].begin > maxWidth) {
            const std::size_t start = afterSpace > starts.back() && afterSpace <= i ? afterSpace : i;
            starts.push_back(start);
            afterSpace = 0;
        }
        if (text[i] == u' ') afterSpace = i + 1;
    }
    return starts;
}

}  // namespace glyphora
