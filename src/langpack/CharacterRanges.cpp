#include "CharacterRanges.h"

#include "GlyphCoding.h"
#include "LangpackEdit.h"
#include "LangpackFormat.h"
#include "LangpackLayout.h"
#include "LangpackWriter.h"
#include "SetSharing.h"

#include <HexText.h>

#include <algorithm>
#include <unordered_set>

namespace glyphora {

namespace {

Error Refuse(std::string why) { return MakeError(ErrorKind::Refused, std::move(why)); }

std::string SetName(int k) { return "set " + std::to_string(k + 1); }

bool HasSet(const TLangpack& lp, int k) {
    return k >= 0 && static_cast<std::size_t>(k) < lp.FontSetTable.size() &&
           static_cast<std::size_t>(k) < lp.SymbolTable.size() && static_cast<std::size_t>(k) < lp.IntervalTable.size();
}

std::vector<Symbols>& GlyphsOf(TLangpack& lp, int k) { return lp.glyphs(k); }

// The copies of set No. 2 are saved from set No. 2's tables, so they take its
// new characters as they are.
void FollowSet2(TLangpack& lp, int k) {
    for (int copy : ShareGroup(lp, k)) {
        if (copy == kGeneralSetIndex || !SharesSet2(lp, copy)) continue;
        const auto from = static_cast<std::size_t>(kGeneralSetIndex);
        const auto to = static_cast<std::size_t>(copy);
        lp.FontSetTable[to].IntervalCount = lp.FontSetTable[from].IntervalCount;
        lp.FontSetTable[to].SymbolCount = lp.FontSetTable[from].SymbolCount;
        lp.IntervalTable[to] = lp.IntervalTable[from];
        lp.SymbolTable[to] = lp.SymbolTable[from];
    }
}

}  // namespace

std::vector<CodeSpan> CodeRuns(const TLangpack& lp, int setIndex) {
    std::vector<CodeSpan> runs;
    if (!HasSet(lp, setIndex)) return runs;
    std::vector<uint16_t> codes;
    for (const Symbols& g : lp.glyphs(setIndex)) codes.push_back(g.Code);
    std::sort(codes.begin(), codes.end());
    codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
    for (uint16_t code : codes) {
        if (!runs.empty() && runs.back().last + 1 == code)
            runs.back().last = code;
        else
            runs.push_back({code, code});
    }
    return runs;
}

int IntervalsInUse(const TLangpack& lp, int setIndex) {
    if (!HasSet(lp, setIndex)) return 0;
    const auto k = static_cast<std::size_t>(setIndex);
    const bool first = !lp.IntervalTable[k].empty() && lp.IntervalTable[k][0].inUse();
    return lp.FontSetTable[k].IntervalCount + (first ? 1 : 0);
}

Status LayOutIntervals(TLangpack& lp, int setIndex) {
    if (!HasSet(lp, setIndex)) return Refuse("the langpack has no " + SetName(setIndex));
    const auto k = static_cast<std::size_t>(setIndex);
    std::vector<Symbols>& glyphs = lp.SymbolTable[k];
    std::stable_sort(glyphs.begin(), glyphs.end(), [](const Symbols& a, const Symbols& b) { return a.Code < b.Code; });
    return LayOutRuns(lp, k);
}

Status CheckCodeSpan(CodeSpan span) {
    if (span.last < span.first)
        return Refuse("the range " + CodeName(span.first) + " to " + CodeName(span.last) +
                      " is reversed: its last code lies below its first");
    if (span.last > 0xFFFF)
        return Refuse("the code " + CodeName(span.last) + " lies past U+FFFF; a langpack holds 16-bit codes only");
    return {};
}

Status CheckNewGlyphWidth(int width) {
    if (width < kMinNewGlyphWidth || width > kMaxGlyphWidth)
        return Refuse("a glyph width of " + std::to_string(width) + " is outside " + std::to_string(kMinNewGlyphWidth) +
                      " to " + std::to_string(kMaxGlyphWidth) + " pixels");
    return {};
}

Result<RangeEdit> EditSetGlyphs(TLangpack& lp, int setIndex,
                                const std::function<Result<RangeEdit>(TLangpack& copy)>& edit) {
    if (!HasSet(lp, setIndex)) return Refuse("the langpack has no " + SetName(setIndex));
    if (SharesSet2(lp, setIndex))
        return Refuse(SetName(setIndex) +
                      " shows the glyphs of set 2 and is saved from them; change the characters of set 2 instead");
    TLangpack copy = lp;
    Result<RangeEdit> done = edit(copy);
    if (!done || done->changed == 0) return done;

    const std::size_t count = GlyphsOf(copy, setIndex).size();
    if (count == 0)
        return Refuse(SetName(setIndex) +
                      " would have no characters left. The phone reads interval 0 of a set whatever it holds, so a "
                      "set without glyphs would send it to a glyph that is not there; keep at least one character");
    if (count > static_cast<std::size_t>(kMaxSymbols))
        return Refuse(SetName(setIndex) + " would have " + std::to_string(count) + " glyphs; a set holds at most " +
                      std::to_string(kMaxSymbols));
    if (Status laidOut = LayOutIntervals(copy, setIndex); !laidOut) return laidOut.error();
    FollowSet2(copy, setIndex);
    if (Status savable = CheckSavable(copy); !savable) return savable.error();

    done->sets = ShareGroup(copy, setIndex);
    lp = std::move(copy);
    return done;
}

Result<RangeEdit> AddGlyphs(TLangpack& lp, int setIndex, const std::vector<NewGlyph>& added) {
    return EditSetGlyphs(lp, setIndex, [&](TLangpack& copy) -> Result<RangeEdit> {
        std::vector<Symbols>& glyphs = GlyphsOf(copy, setIndex);
        const int height = copy.FontSetTable[static_cast<std::size_t>(setIndex)].Height;
        std::unordered_set<uint16_t> present;
        for (const Symbols& g : glyphs) present.insert(g.Code);
        RangeEdit edit;
        for (const NewGlyph& n : added) {
            if (!present.insert(n.Code).second) {
                ++edit.skipped;
                continue;
            }
            if (Status ok = CheckNewGlyphWidth(n.Width); !ok) return ok.error();
            const std::size_t size = GlyphDataSize(n.Width, height);
            if (!n.Data.empty() && n.Data.size() != size)
                return Refuse("the glyph for " + CodeName(n.Code) + " has " + std::to_string(n.Data.size()) +
                              " bytes of rows; " + std::to_string(size) + " were expected");
            Symbols g;
            g.Code = n.Code;
            g.Width = n.Width;
            g.Data = n.Data.empty() ? std::vector<uint8_t>(size, 0xFF) : n.Data;
            glyphs.push_back(std::move(g));
            ++edit.changed;
        }
        return edit;
    });
}

Result<RangeEdit> AddBlankCodes(TLangpack& lp, int setIndex, CodeSpan span, int width) {
    if (Status ok = CheckCodeSpan(span); !ok) return ok.error();
    std::vector<uint16_t> codes;
    codes.reserve(span.count());
    for (uint32_t code = span.first; code <= span.last; ++code) codes.push_back(static_cast<uint16_t>(code));
    return AddBlankCodes(lp, setIndex, codes, width);
}

Result<RangeEdit> AddBlankCodes(TLangpack& lp, int setIndex, std::span<const uint16_t> codes, int width) {
    if (Status ok = CheckNewGlyphWidth(width); !ok) return ok.error();
    std::vector<NewGlyph> glyphs;
    glyphs.reserve(codes.size());
    for (uint16_t code : codes) glyphs.push_back({code, static_cast<uint8_t>(width), {}});
    return AddGlyphs(lp, setIndex, glyphs);
}

Result<RangeEdit> RemoveCodes(TLangpack& lp, int setIndex, CodeSpan span) {
    if (Status ok = CheckCodeSpan(span); !ok) return ok.error();
    return EditSetGlyphs(lp, setIndex, [&](TLangpack& copy) -> Result<RangeEdit> {
        std::vector<Symbols>& glyphs = GlyphsOf(copy, setIndex);
        const auto removed =
            std::erase_if(glyphs, [&](const Symbols& g) { return g.Code >= span.first && g.Code <= span.last; });
        RangeEdit edit;
        edit.changed = static_cast<int>(removed);
        edit.skipped = static_cast<int>(span.count() - removed);
        return edit;
    });
}

Result<RangeEdit> RemoveGlyphs(TLangpack& lp, int setIndex, const std::vector<int>& glyphIndices) {
    return EditSetGlyphs(lp, setIndex, [&](TLangpack& copy) -> Result<RangeEdit> {
        std::vector<Symbols>& glyphs = GlyphsOf(copy, setIndex);
        std::vector<bool> gone(glyphs.size(), false);
        RangeEdit edit;
        for (int i : glyphIndices) {
            if (i < 0 || static_cast<std::size_t>(i) >= glyphs.size() || gone[static_cast<std::size_t>(i)]) continue;
            gone[static_cast<std::size_t>(i)] = true;
            ++edit.changed;
        }
        std::vector<Symbols> kept;
        kept.reserve(glyphs.size());
        for (std::size_t s = 0; s < glyphs.size(); ++s)
            if (!gone[s]) kept.push_back(std::move(glyphs[s]));
        glyphs = std::move(kept);
        return edit;
    });
}

}  // namespace glyphora
