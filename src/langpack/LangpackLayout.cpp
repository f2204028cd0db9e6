#include "LangpackLayout.h"

#include "LangpackFormat.h"
#include "SetSharing.h"

#include <algorithm>
#include <string>

namespace glyphora {

namespace {

// One run per interval: the glyphs of a set lie back to back in index order,
// and a glyph's Offset counts from the first glyph of its interval. Glyph 0
// starts the first run at the set's data, so its interval's DataBase is 0
// even when the file had another value: the glyphs then read back where
// they were written.
uint64_t PlaceGlyphs(const TLangpack& lp, std::size_t k, LangpackLayout& layout) {
    const std::vector<Symbols>& glyphs = lp.SymbolTable[k];
    auto& dataBase = layout.DataBase[k];
    auto& offsets = layout.GlyphOffset[k];
    dataBase.assign(lp.IntervalTable[k].size(), std::nullopt);
    offsets.resize(glyphs.size());
    uint64_t setOffset = 0;
    uint64_t runOffset = 0;
    for (std::size_t s = 0; s < glyphs.size(); ++s) {
        if (s == 0 || glyphs[s].Interval != glyphs[s - 1].Interval) {
            if (glyphs[s].Interval < dataBase.size()) dataBase[glyphs[s].Interval] = setOffset;
            runOffset = 0;
        }
        offsets[s] = runOffset;
        setOffset += glyphs[s].Data.size();
        runOffset += glyphs[s].Data.size();
    }
    return setOffset;
}

}  // namespace

Status LayOutRuns(TLangpack& lp, std::size_t k) {
    std::vector<Symbols>& glyphs = lp.SymbolTable[k];
    std::vector<TCharInterval> runs;
    uint64_t setOffset = 0;
    uint64_t runOffset = 0;
    for (std::size_t s = 0; s < glyphs.size(); ++s) {
        Symbols& g = glyphs[s];
        const bool follows = s > 0 && g.Code == glyphs[s - 1].Code + 1;
        if (!follows || runOffset > kMaxGlyphOffset) {
            runs.push_back({g.Code, g.Code, static_cast<uint16_t>(s), static_cast<uint16_t>(setOffset & 0xFFFF)});
            runOffset = 0;
        } else {
            runs.back().LastCode = g.Code;
        }
        g.Offset = static_cast<uint16_t>(runOffset);
        g.Interval = static_cast<uint32_t>(runs.size() - 1);
        const std::size_t size = GlyphDataSize(g.Width, lp.FontSetTable[k].Height);
        setOffset += size;
        runOffset += size;
    }

    std::vector<TCharInterval>& intervals = lp.IntervalTable[k];
    intervals.assign(1, TCharInterval{});
    const bool firstIsInterval0 = !runs.empty() && runs.front().inUse();
    if (!firstIsInterval0) {
        // Slot 0 stays unused, so every run moves one slot on.
        for (Symbols& g : glyphs) ++g.Interval;
        intervals.insert(intervals.end(), runs.begin(), runs.end());
    } else {
        intervals.front() = runs.front();
        intervals.insert(intervals.end(), runs.begin() + 1, runs.end());
    }
    const std::size_t inTable = intervals.size() - 1;
    lp.FontSetTable[k].IntervalCount = static_cast<uint16_t>(std::min<std::size_t>(inTable, UINT16_MAX));
    lp.FontSetTable[k].SymbolCount = static_cast<uint16_t>(std::min<std::size_t>(glyphs.size(), UINT16_MAX));
    if (inTable > static_cast<std::size_t>(kMaxIntervals))
        return MakeError(ErrorKind::Refused, "set " + std::to_string(k + 1) + " would need " + std::to_string(inTable) +
                                                 " intervals in its table; a set has room for " +
                                                 std::to_string(kMaxIntervals));
    return {};
}

std::size_t WrittenIntervalCount(const TLangpack& lp, std::size_t k) {
    const std::size_t held = lp.IntervalTable[k].empty() ? 0 : lp.IntervalTable[k].size() - 1;
    return std::min<std::size_t>(lp.FontSetTable[k].IntervalCount, held);
}

LangpackLayout ComputeLayout(const TLangpack& lp, uint64_t fontsOffset) {
    const std::size_t n = lp.FontSetTable.size();
    LangpackLayout layout;
    layout.Sets.resize(n);
    layout.Written.resize(n);
    layout.GlyphOffset.resize(n);
    layout.DataBase.resize(n);
    for (std::size_t k = 0; k < n; ++k) layout.Written[k] = !SharesSet2(lp, static_cast<int>(k));

    uint64_t pos = 0;
    for (std::size_t k = 0; k < n; ++k) {
        if (!layout.Written[k]) continue;
        layout.Sets[k].IntervalTable = pos;
        pos += kIntervalRecordSize * WrittenIntervalCount(lp, k);
    }
    for (std::size_t k = 0; k < n; ++k) {
        if (!layout.Written[k]) continue;
        layout.Sets[k].DescriptorTable = pos;
        pos += kDescriptorSize * lp.SymbolTable[k].size();
    }
    // A record's first word is its DataOffset, and the words 00 01 (either
    // form) and 00 00 (Packed form) end the table instead. Data can only start
    // that low in a langpack without any glyph; two zero bytes keep them clear.
    layout.TablesEnd = pos;
    if (pos == 0 && lp.SetTableForm == TSetTableForm::Packed) pos = 2;
    for (std::size_t k = 0; k < n; ++k) {
        if (!layout.Written[k]) continue;
        // A set No. 3 or No. 7 of its own whose data would start where set
        // No. 2's does (all sets between them without glyph bytes) would read
        // back as sharing set No. 2; zero bytes keep it apart.
        if ((k == 2 || k == 6) && pos == layout.Sets[kGeneralSetIndex].Data) pos += pos == 0 ? 2 : 1;
        layout.Sets[k].Data = pos;
        pos += PlaceGlyphs(lp, k, layout);
    }
    layout.RequiredFontSize = pos + 1;
    layout.DataEnd = pos;

    const uint64_t align = lp.SetTableForm == TSetTableForm::Framed ? 4 : 2;
    layout.SetTable = pos + align - (fontsOffset + pos) % align;
    layout.End = layout.SetTable + SetRecordSize(lp.SetTableForm) * n + lp.SetTableTail.size();

    for (std::size_t k = 0; k < n; ++k)
        if (!layout.Written[k]) layout.Sets[k] = layout.Sets[kGeneralSetIndex];
    return layout;
}

}  // namespace glyphora
