// What differs between two whole langpacks, set by set and code by code, in
// the lines `glyphora-tool diff` prints.
#pragma once

#include "Langpack.h"
#include "SetMatching.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace glyphora {

struct GlyphDiff {
    enum class Side { Both, OnlyA, OnlyB };
    uint16_t code = 0;
    Side side = Side::Both;
    unsigned differences = kSameGlyph;  // for Both
    int widthA = 0, widthB = 0;
};

struct SetDiff {
    int set = 0;  // 0-based
    bool onlyA = false, onlyB = false;
    int heightA = 0, heightB = 0;
    std::vector<GlyphDiff> glyphs;  // ascending code, only the differing ones
    bool same() const { return !onlyA && !onlyB && heightA == heightB && glyphs.empty(); }
};

struct LangpackDiff {
    std::vector<SetDiff> sets;  // only the differing ones
    bool same() const { return sets.empty(); }
};

// Every set, or only `onlySet` (0-based).
LangpackDiff DiffLangpacks(const TLangpack& a, const TLangpack& b, std::optional<int> onlySet = std::nullopt);

// One line a difference, sets numbered from 1: "set 2: height 12 -> 14",
// "set 5: only in A", "set 2 U+0416: width 5 -> 6, ink", "set 2 U+0417: only in B".
std::vector<std::string> DiffLines(const LangpackDiff& diff);

}  // namespace glyphora
