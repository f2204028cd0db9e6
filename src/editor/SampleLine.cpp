#include "SampleLine.h"

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

// Stored rows, memory form (0 = ink, most significant bit leftmost).
void DrawRows(MonoImage& line, int x0, const Symbols& glyph, int height) {
    const int width = ShownWidth(glyph);
    const std::size_t bytesPerRow = static_cast<std::size_t>(BytesPerRow(glyph.Width));
    for (int y = 0; y < height; ++y) {
        const std::size_t start = static_cast<std::size_t>(y) * bytesPerRow;
        for (int x = 0; x < width; ++x) {
            const std::size_t byte = start + static_cast<std::size_t>(x / 8);
            if (byte >= glyph.Data.size()) break;  // short rows are paper
            if (((glyph.Data[byte] >> (7 - x % 8)) & 1) == 0) line.setPixel(x0 + x, y, Pixel::Ink);
        }
    }
}

void DrawImage(MonoImage& line, int x0, const MonoImage& image, int width, int height) {
    for (int y = 0; y < std::min(height, image.height()); ++y)
        for (int x = 0; x < width; ++x)
            if (image.isInk(x, y)) line.setPixel(x0 + x, y, Pixel::Ink);
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
            DrawImage(line.image, c.begin, *working.image, c.end - c.begin, height);
        } else {
            DrawRows(line.image, c.begin, glyphs[static_cast<std::size_t>(c.glyph)], height);
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
