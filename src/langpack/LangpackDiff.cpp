#include "LangpackDiff.h"

#include <HexText.h>

#include <algorithm>

namespace glyphora {

namespace {

int SetCountOf(const TLangpack& lp) {
    return static_cast<int>(std::min(lp.FontSetTable.size(), lp.SymbolTable.size()));
}

int WidthOf(const TLangpack& lp, int set, uint16_t code) {
    for (const Symbols& g : lp.glyphs(set))
        if (g.Code == code) return g.Width;
    return 0;
}

SetDiff DiffSet(const TLangpack& a, const TLangpack& b, int set) {
    SetDiff out;
    out.set = set;
    out.onlyA = set >= SetCountOf(b);
    out.onlyB = set >= SetCountOf(a);
    if (out.onlyA || out.onlyB) return out;
    out.heightA = a.FontSetTable[static_cast<std::size_t>(set)].Height;
    out.heightB = b.FontSetTable[static_cast<std::size_t>(set)].Height;
    const SetMatch match = MatchSets(a, set, b, set);
    for (const CodeMatch& m : match.both)
        if (m.differences != kSameGlyph)
            out.glyphs.push_back({m.code, GlyphDiff::Side::Both, m.differences,
                                  a.glyphs(set)[static_cast<std::size_t>(m.sourceIndex)].Width,
                                  b.glyphs(set)[static_cast<std::size_t>(m.targetIndex)].Width});
    for (const uint16_t code : match.onlySource)
        out.glyphs.push_back({code, GlyphDiff::Side::OnlyA, kSameGlyph, WidthOf(a, set, code), 0});
    for (const uint16_t code : match.onlyTarget)
        out.glyphs.push_back({code, GlyphDiff::Side::OnlyB, kSameGlyph, 0, WidthOf(b, set, code)});
    std::sort(out.glyphs.begin(), out.glyphs.end(),
              [](const GlyphDiff& x, const GlyphDiff& y) { return x.code < y.code; });
    return out;
}

std::string WhatDiffers(const GlyphDiff& g) {
    if (g.side == GlyphDiff::Side::OnlyA) return "only in A";
    if (g.side == GlyphDiff::Side::OnlyB) return "only in B";
    std::vector<std::string> parts;
    if (g.differences & kWidthDiffers)
        parts.push_back("width " + std::to_string(g.widthA) + " -> " + std::to_string(g.widthB));
    if (g.differences & kInkDiffers) parts.push_back("ink");
    if (g.differences & kSpareBitsDiffer) parts.push_back("bits beyond the width");
    std::string out;
    for (const std::string& p : parts) out += (out.empty() ? "" : ", ") + p;
    return out;
}

}  // namespace

LangpackDiff DiffLangpacks(const TLangpack& a, const TLangpack& b, std::optional<int> onlySet) {
    LangpackDiff out;
    const int sets = std::max(SetCountOf(a), SetCountOf(b));
    for (int set = 0; set < sets; ++set) {
        if (onlySet && set != *onlySet) continue;
        SetDiff d = DiffSet(a, b, set);
        if (!d.same()) out.sets.push_back(std::move(d));
    }
    return out;
}

std::vector<std::string> DiffLines(const LangpackDiff& diff) {
    std::vector<std::string> out;
    for (const SetDiff& s : diff.sets) {
        const std::string set = "set " + std::to_string(s.set + 1);
        if (s.onlyA || s.onlyB) {
            out.push_back(set + (s.onlyA ? ": only in A" : ": only in B"));
            continue;
        }
        if (s.heightA != s.heightB)
            out.push_back(set + ": height " + std::to_string(s.heightA) + " -> " + std::to_string(s.heightB));
        for (const GlyphDiff& g : s.glyphs) out.push_back(set + " " + CodeName(g.code) + ": " + WhatDiffers(g));
    }
    return out;
}

}  // namespace glyphora
