// Where a save puts every interval table, descriptor table and glyph: the one
// place that decides the layout, used by ReculcShift, WriteIntervals and the
// checks before a save. Internal to the codec.
#pragma once

#include "Langpack.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace glyphora {

// Positions counted from the start of the fonts area, in 64 bits so that a
// position past what the 16-bit fields hold is seen rather than wrapped.
struct SetPlace {
    uint64_t IntervalTable = 0;
    uint64_t DescriptorTable = 0;
    uint64_t Data = 0;
};

struct LangpackLayout {
    std::vector<SetPlace> Sets;                                  // every set; a copy of set 2 gets set 2's places
    std::vector<bool> Written;                                   // false for the copies of set 2
    std::vector<std::vector<uint64_t>> GlyphOffset;              // per set and glyph: bytes after its run's start
    std::vector<std::vector<std::optional<uint64_t>>> DataBase;  // per set and interval slot; empty: keeps its value
    uint64_t TablesEnd = 0;                                      // after the descriptor tables
    uint64_t RequiredFontSize = 0;
    uint64_t DataEnd = 0;
    uint64_t SetTable = 0;  // after the zero padding
    uint64_t End = 0;       // after the set table's tail
};

// Intervals of a set that the layout writes: IntervalCount, but never more
// than the model holds.
std::size_t WrittenIntervalCount(const TLangpack& lp, std::size_t k);

// fontsOffset is the file offset of the fonts area (the padding before the
// set table depends on the file position).
LangpackLayout ComputeLayout(const TLangpack& lp, uint64_t fontsOffset);

}  // namespace glyphora
