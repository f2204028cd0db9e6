// Two font sets side by side by character code, for copying glyphs from
// another langpack and comparing with one: which codes both sets have, which
// only one has, and how the glyphs of a shared code differ. A code held by
// several glyphs of a set counts with its first.
#pragma once

#include "CharacterRanges.h"
#include "Langpack.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace glyphora {

// How two glyphs differ; a set of these bits.
enum GlyphDifference : unsigned {
    kSameGlyph = 0,
    kWidthDiffers = 1u << 0,
    kInkDiffers = 1u << 1,       // a pixel inside either glyph's width and its set's height
    kSpareBitsDiffer = 1u << 2,  // same width and ink, other stored bits beyond the width
};

// Rows beyond a set's height and columns beyond a glyph's width read as paper.
unsigned CompareGlyphs(const Symbols& a, int heightA, const Symbols& b, int heightB);

struct CodeMatch {
    uint16_t code = 0;
    int sourceIndex = 0;  // glyph indices in their sets
    int targetIndex = 0;
    unsigned differences = kSameGlyph;
};

struct SetMatch {
    std::vector<CodeMatch> both;       // ascending code
    std::vector<uint16_t> onlySource;  // ascending
    std::vector<uint16_t> onlyTarget;  // ascending
    int differing() const;             // of `both`
};

// A set the langpack does not have counts as one without glyphs; `range`
// keeps only its codes.
SetMatch MatchSets(const TLangpack& source, int sourceSet, const TLangpack& target, int targetSet,
                   std::optional<CodeSpan> range = std::nullopt);

struct AlignedRows {
    std::vector<uint8_t> rows;  // memory form, toHeight rows
    bool inkCut = false;        // rows with ink inside the width fell outside
};

// A glyph's rows brought from one set height to another: aligned at the top
// (cut or padded with paper at the bottom), or, when both baselines (0-based
// rows) are given, with the source's baseline row on the target's. Bits
// beyond the width travel with their rows.
AlignedRows AlignRows(const std::vector<uint8_t>& rows, int width, int fromHeight, int toHeight,
                      std::optional<int> fromBaseline = std::nullopt, std::optional<int> toBaseline = std::nullopt);

}  // namespace glyphora
