// Where a save puts every interval table, descriptor table and glyph: the one
// place that decides the layout, used by ReculcShift, WriteIntervals and the
// checks before a save. Internal to the codec.
#pragma once

#include "Langpack.h"

#include <Error.h>

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

// Lays the glyphs of set k, in their index order, into intervals as the
// phones' own files have them: a new interval where a glyph's code does not
// follow the previous glyph's, and where a glyph would start more than 4095
// bytes after the first glyph of its interval, since a descriptor holds that
// offset in 12 bits. The first run is interval 0 (in the set record), the
// others fill the interval table in order; a lone code 0 cannot be interval 0
// (an interval 0 of codes 0 to 0 reads as unused), so it then goes into the
// table and interval 0 stays empty. Sets the glyphs' Interval and Offset, the
// intervals with their DataBase, IntervalCount and SymbolCount. Refused when
// the table would need more intervals than it has room for; the set is laid
// out all the same, so the caller drops it.
Status LayOutRuns(TLangpack& lp, std::size_t k);

// fontsOffset is the file offset of the fonts area (the padding before the
// set table depends on the file position).
LangpackLayout ComputeLayout(const TLangpack& lp, uint64_t fontsOffset);

}  // namespace glyphora
