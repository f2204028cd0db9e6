// A line of sample text set in a font set's own glyphs, the way a phone sets
// it: one glyph after another by its width, the line as high as the set. The
// text is UTF-16 code units, as the sets hold them; each unit is one character.
#pragma once

#include "MonoImage.h"

#include <Langpack.h>

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace glyphora {

// The working glyph as the editor holds it now (EditImage, GlyphWidth): drawn
// in place of the stored rows of glyph `glyph`, so unsaved edits show too.
struct SampleOverride {
    int glyph = -1;
    const MonoImage* image = nullptr;
    int width = 0;
};

// One character of the line: its columns [begin, end) and the index of the
// glyph that shows it, -1 when the set lacks it.
struct SampleCharacter {
    int begin = 0;
    int end = 0;
    int glyph = -1;
};

struct SampleLine {
    MonoImage image;
    std::vector<SampleCharacter> characters;  // one per code unit of the text
};

// A character the set lacks is a hollow box as high as the set and
// max(3, height / 2) columns wide, followed by one paper column so that two
// missing characters in a row stay two boxes. This is the columns it takes.
int MissingCharacterWidth(int height);

// The first glyph of `glyphs` with each code is used.
SampleLine LayOutSampleLine(std::u16string_view text, std::span<const Symbols> glyphs, int height,
                            const SampleOverride& working = {});

// The character shown at column x of the line, or -1 outside every character.
int SampleCharacterAt(const SampleLine& line, int x);

// Where the line breaks into rows at most `maxWidth` columns wide: the index
// of the first character of each row. A row breaks after its last space, or
// inside a word that is wider than a row; a row holds at least one character.
std::vector<std::size_t> SampleRowStarts(const SampleLine& line, std::u16string_view text, int maxWidth);

}  // namespace glyphora
