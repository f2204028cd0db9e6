#include "SetMatching.h"

#include <GlyphAlgorithms.h>
#include <GlyphRows.h>

#include <algorithm>
#include <map>

namespace glyphora {

namespace {

const std::vector<Symbols>& GlyphsOf(const TLangpack& lp, int set) {
    static const std::vector<Symbols> kNone;
    if (set < 0 || static_cast<std::size_t>(set) >= lp.SymbolTable.size()) return kNone;
    return lp.glyphs(set);
}

int HeightOf(const TLangpack& lp, int set) {
    if (set < 0 || static_cast<std::size_t>(set) >= lp.FontSetTable.size()) return 0;
    return lp.FontSetTable[static_cast<std::size_t>(set)].Height;
}

// Code -> the first glyph index holding it, within the range.
std::map<uint16_t, int> ByCode(const std::vector<Symbols>& glyphs, std::optional<CodeSpan> range) {
    std::map<uint16_t, int> out;
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        const uint16_t code = glyphs[i].Code;
        if (range && (code < range->first || code > range->last)) continue;
        out.emplace(code, static_cast<int>(i));
    }
    return out;
}

}  // namespace

unsigned CompareGlyphs(const Symbols& a, int heightA, const Symbols& b, int heightB) {
    unsigned out = a.Width != b.Width ? kWidthDiffers : kSameGlyph;
    const int width = std::max(a.Width, b.Width), height = std::max(heightA, heightB);
    const MonoImage inkA = GlyphRowsToImage(a.Data, a.Width, heightA).copy(0, 0, a.Width, heightA);
    const MonoImage inkB = GlyphRowsToImage(b.Data, b.Width, heightB).copy(0, 0, b.Width, heightB);
    for (int y = 0; y < height && !(out & kInkDiffers); ++y)
        for (int x = 0; x < width; ++x)
            if (inkA.isInk(x, y) != inkB.isInk(x, y)) {
                out |= kInkDiffers;
                break;
            }
    if (out == kSameGlyph && a.Data.size() == b.Data.size() && a.Data != b.Data) out |= kSpareBitsDiffer;
    return out;
}

int SetMatch::differing() const {
    return static_cast<int>(
        std::count_if(both.begin(), both.end(), [](const CodeMatch& m) { return m.differences != kSameGlyph; }));
}

SetMatch MatchSets(const TLangpack& source, int sourceSet, const TLangpack& target, int targetSet,
                   std::optional<CodeSpan> range) {
    const std::vector<Symbols>& from = GlyphsOf(source, sourceSet);
    const std::vector<Symbols>& to = GlyphsOf(target, targetSet);
    const int fromHeight = HeightOf(source, sourceSet), toHeight = HeightOf(target, targetSet);
    const std::map<uint16_t, int> a = ByCode(from, range), b = ByCode(to, range);
    SetMatch out;
    for (const auto& [code, index] : a) {
        const auto there = b.find(code);
        if (there == b.end()) {
            out.onlySource.push_back(code);
            continue;
        }
        const Symbols& s = from[static_cast<std::size_t>(index)];
        const Symbols& t = to[static_cast<std::size_t>(there->second)];
        out.both.push_back({code, index, there->second, CompareGlyphs(s, fromHeight, t, toHeight)});
    }
    for (const auto& [code, index] : b)
        if (!a.contains(code)) out.onlyTarget.push_back(code);
    return out;
}

AlignedRows AlignRows(const std::vector<uint8_t>& rows, int width, int fromHeight, int toHeight,
                      std::optional<int> fromBaseline, std::optional<int> toBaseline) {
    const int shift = fromBaseline && toBaseline ? *toBaseline - *fromBaseline : 0;
    const MonoImage from = GlyphRowsToImage(rows, width, fromHeight);
    MonoImage to(from.width(), toHeight);
    to.draw(from, 0, shift);
    // The source rows that land above row 0 or below the last row.
    const int keptFirst = std::clamp(-shift, 0, fromHeight),
              keptEnd = std::clamp(toHeight - shift, keptFirst, fromHeight);
    const bool cut = HasInk(from, width, keptFirst) ||
                     HasInk(from.copy(0, keptEnd, from.width(), fromHeight - keptEnd), width, fromHeight - keptEnd);
    return {GlyphImageToRows(to, width, toHeight), cut};
}

}  // namespace glyphora
