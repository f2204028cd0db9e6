#include "SaveChecks.h"

#include "ByteSpan.h"
#include "GlyphCoding.h"
#include "LangpackFormat.h"
#include "SetSharing.h"

#include <HexText.h>

namespace glyphora {

namespace {

constexpr uint64_t kMax16 = 0xFFFF;

Error Refuse(std::string why) { return MakeError(ErrorKind::Refused, std::move(why)); }

std::string SetName(std::size_t k) { return "set " + std::to_string(k + 1); }
std::string GlyphName(std::size_t k, std::size_t s) { return "glyph " + std::to_string(s) + " of " + SetName(k); }

Status CheckCounts(const TLangpack& lp, std::size_t k) {
    const TFontSetEntry& set = lp.FontSetTable[k];
    if (set.IntervalCount > kMaxIntervals)
        return Refuse(SetName(k) + " has " + std::to_string(set.IntervalCount) + " intervals; at most " +
                      std::to_string(kMaxIntervals) + " are allowed");
    if (lp.IntervalTable[k].size() != 1u + set.IntervalCount)
        return Refuse(SetName(k) + " holds " + std::to_string(lp.IntervalTable[k].size()) + " interval slots for " +
                      std::to_string(set.IntervalCount) + " intervals");
    if (lp.SymbolTable[k].size() != set.SymbolCount)
        return Refuse(SetName(k) + " holds " + std::to_string(lp.SymbolTable[k].size()) + " glyphs, but counts " +
                      std::to_string(set.SymbolCount));
    if (set.SymbolCount > kMaxSymbols)
        return Refuse(SetName(k) + " has " + std::to_string(set.SymbolCount) + " glyphs; at most " +
                      std::to_string(kMaxSymbols) + " are allowed");
    return {};
}

Status CheckGlyphs(const TLangpack& lp, std::size_t k) {
    const std::vector<Symbols>& glyphs = lp.SymbolTable[k];
    const uint16_t height = lp.FontSetTable[k].Height;
    std::vector<bool> runSeen(lp.IntervalTable[k].size(), false);
    for (std::size_t s = 0; s < glyphs.size(); ++s) {
        const Symbols& g = glyphs[s];
        if (g.Width > kMaxGlyphWidth)
            return Refuse(GlyphName(k, s) + " is " + std::to_string(g.Width) + " pixels wide; at most " +
                          std::to_string(kMaxGlyphWidth) + " are allowed");
        const std::size_t need = GlyphDataSize(g.Width, height);
        if (g.Data.size() != need)
            return Refuse(GlyphName(k, s) + " holds " + std::to_string(g.Data.size()) + " bytes, but a glyph " +
                          std::to_string(g.Width) + " pixels wide and " + std::to_string(height) + " high has " +
                          std::to_string(need));
        if (g.Interval >= runSeen.size())
            return Refuse(GlyphName(k, s) + " belongs to interval " + std::to_string(g.Interval) + ", which " +
                          SetName(k) + " does not have");
        // Offsets count from the first glyph of an interval, so an interval's
        // glyphs must follow one another.
        if (s == 0 || g.Interval != glyphs[s - 1].Interval) {
            if (runSeen[g.Interval])
                return Refuse("the glyphs of interval " + std::to_string(g.Interval) + " of " + SetName(k) +
                              " do not follow one another (" + GlyphName(k, s) + ")");
            runSeen[g.Interval] = true;
        }
    }
    return {};
}

bool SameIntervals(const std::vector<TCharInterval>& a, const std::vector<TCharInterval>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t j = 0; j < a.size(); ++j) {
        if (a[j].FirstCode != b[j].FirstCode || a[j].LastCode != b[j].LastCode) return false;
        const bool used = j > 0 || a[j].inUse();
        if (used && a[j].FirstIndex != b[j].FirstIndex) return false;
    }
    return true;
}

std::string OffsetTooFar(const std::string& what, uint64_t offset) {
    return what + " would start at offset " + std::to_string(offset) +
           " of the fonts area; its 16-bit offset reaches " + std::to_string(kMax16) + " at most";
}

}  // namespace

Status CheckModel(const TLangpack& lp) {
    const std::size_t n = lp.FontSetTable.size();
    if (n > static_cast<std::size_t>(kMaxSets))
        return Refuse("the langpack has " + std::to_string(n) + " sets; at most " + std::to_string(kMaxSets) +
                      " are allowed");
    if (lp.IntervalTable.size() != n || lp.SymbolTable.size() != n)
        return Refuse("the interval and glyph tables do not match the " + std::to_string(n) + " sets");
    for (std::size_t k = 0; k < n; ++k) {
        if (Status why = CheckCounts(lp, k); !why) return why;
        if (Status why = CheckGlyphs(lp, k); !why) return why;
    }
    for (std::size_t k = 0; k < n; ++k) {
        if (!SharesSet2(lp, static_cast<int>(k))) continue;
        if (!SameIntervals(lp.IntervalTable[k], lp.IntervalTable[kGeneralSetIndex]))
            return Refuse(SetName(k) +
                          " shares the glyphs of set 2 in the file but has other character intervals, so it "
                          "cannot be saved as a copy of set 2");
    }
    return {};
}

Status CheckFontsArea(const TLangpack& lp, std::size_t fileSize) {
    const uint64_t fonts = FileOffsetOf(lp.Header.FontsAddress, lp.Header.LangpackAddress);
    if (fonts < kHeaderEnd)
        return Refuse("the fonts area at offset " + HexOffset(fonts) + " would overwrite the langpack header");
    const uint64_t languagesEnd = LanguageTableEnd(lp.LanguageTable.size());
    if (fonts < languagesEnd)
        return Refuse("the fonts area at offset " + HexOffset(fonts) +
                      " would overwrite the language table, which ends at " + HexOffset(languagesEnd));
    if (fonts > fileSize)
        return Refuse("the fonts area at offset " + HexOffset(fonts) + " starts past the end of the file (" +
                      std::to_string(fileSize) + " bytes)");
    return {};
}

Status CheckLayoutLimits(const TLangpack& lp, const LangpackLayout& layout, uint64_t fontsOffset) {
    for (std::size_t k = 0; k < lp.FontSetTable.size(); ++k) {
        if (!layout.Written[k]) continue;
        const SetPlace& at = layout.Sets[k];
        if (at.IntervalTable > kMax16)
            return Refuse(OffsetTooFar("the interval table of " + SetName(k), at.IntervalTable));
        if (at.DescriptorTable > kMax16)
            return Refuse(OffsetTooFar("the descriptor table of " + SetName(k), at.DescriptorTable));
        if (at.Data > kMax16) return Refuse(OffsetTooFar("the glyph data of " + SetName(k), at.Data));
        for (std::size_t j = 0; j < layout.DataBase[k].size(); ++j) {
            const auto& base = layout.DataBase[k][j];
            if (base && *base > kMax16)
                return Refuse("the glyphs of interval " + std::to_string(j) + " of " + SetName(k) + " would start " +
                              std::to_string(*base) + " bytes after the set's first glyph; at most " +
                              std::to_string(kMax16) + " are allowed");
        }
        for (std::size_t s = 0; s < layout.GlyphOffset[k].size(); ++s) {
            const uint64_t offset = layout.GlyphOffset[k][s];
            if (offset > kMaxGlyphOffset)
                return Refuse(GlyphName(k, s) + " would start " + std::to_string(offset) +
                              " bytes after the first glyph of its interval; at most " +
                              std::to_string(kMaxGlyphOffset) + " are allowed");
        }
    }
    if (fontsOffset + layout.End > UINT32_MAX)
        return Refuse("the langpack would grow past the 4 GiB that 32-bit addresses reach");
    // A set table at the end of the file cuts the file after it; it must not
    // cut it below the size every langpack has.
    if (lp.SetTableAtEnd && fontsOffset + layout.End < static_cast<uint64_t>(kMinLangpackSize))
        return Refuse("the saved langpack would be " + std::to_string(fontsOffset + layout.End) +
                      " bytes long; a langpack has at least " + std::to_string(kMinLangpackSize));
    return {};
}

}  // namespace glyphora
