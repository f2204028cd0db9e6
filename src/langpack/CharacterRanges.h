// The characters of a font set: adding codes to a set and removing them, with
// the set's intervals laid out anew as the phones' own files have them.
//
// Layout: the glyphs in ascending code order, glyph indices following the
// codes, one interval per run of consecutive codes, a run split where a glyph
// would start more than 4095 bytes after the first glyph of its interval
// (LayOutRuns in LangpackLayout.h, which a save uses for a set that outgrew
// its intervals too).
//
// Every edit is made on a copy of the langpack and kept only when the copy
// passes every check a save makes (CheckSavable): at most 1001 glyphs and 100
// intervals in the table, the room of a fonts area in the middle of the
// langpack, the limits of the file form. A refused edit leaves the langpack
// exactly as it was. Set No. 2's copies (SetSharing.h) get set No. 2's new
// characters with it; an edit aimed at a copy is refused.
//
// A set is never emptied: the phone looks a character up in interval 0 of
// the set record whatever that holds, and a set without glyphs would send it
// to glyph 0 of a set that has none. Removing every character is refused.
#pragma once

#include "Langpack.h"

#include <Error.h>

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace glyphora {

// Codes first to last, both included. 32 bits so that a range typed past
// U+FFFF is seen rather than cut.
struct CodeSpan {
    uint32_t first = 0;
    uint32_t last = 0;
    uint32_t count() const { return last >= first ? last - first + 1 : 0; }
};

inline constexpr int kMinNewGlyphWidth = 1;

// A glyph to add: its code, width and rows in memory form (0 = ink); rows
// left empty make a blank glyph of that width and the set's height.
struct NewGlyph {
    uint16_t Code = 0;
    uint8_t Width = 0;
    std::vector<uint8_t> Data;
};

struct RangeEdit {
    int changed = 0;        // glyphs added or removed
    int skipped = 0;        // codes the set had already (add), or did not have (remove)
    std::vector<int> sets;  // the sets changed: the set and the copies of set No. 2 that follow it
};

// The runs of consecutive codes of a set, ascending; a run split into several
// intervals is one run here.
std::vector<CodeSpan> CodeRuns(const TLangpack& lp, int setIndex);

// The intervals a set uses: interval 0 when it has a code, and the table's.
int IntervalsInUse(const TLangpack& lp, int setIndex);

// Sorts the set's glyphs by code and lays out its intervals, DataBase and the
// glyphs' Interval and Offset as described above (LayOutRuns, the rule a save
// uses too). Codes must be unique. Refused when the set would need more than
// 100 intervals in its table.
Status LayOutIntervals(TLangpack& lp, int setIndex);

// The checks of the arguments alone: a span within U+0000..U+FFFF that is not
// reversed, a width of 1 to 15.
Status CheckCodeSpan(CodeSpan span);
Status CheckNewGlyphWidth(int width);

// Adds these glyphs (codes the set has already are skipped). Refused: a copy
// of set No. 2, a width outside 1 to 15, and any limit the result breaks.
Result<RangeEdit> AddGlyphs(TLangpack& lp, int setIndex, const std::vector<NewGlyph>& glyphs);

// Adds blank glyphs of this width for every code of the span the set lacks.
Result<RangeEdit> AddBlankCodes(TLangpack& lp, int setIndex, CodeSpan span, int width);
// The same for codes that need not be one run ("А–я, Ё, ё").
Result<RangeEdit> AddBlankCodes(TLangpack& lp, int setIndex, std::span<const uint16_t> codes, int width);

// Removes the glyphs whose codes lie in the span.
Result<RangeEdit> RemoveCodes(TLangpack& lp, int setIndex, CodeSpan span);

// Removes these glyph indices of the set.
Result<RangeEdit> RemoveGlyphs(TLangpack& lp, int setIndex, const std::vector<int>& glyphIndices);

// The general form: `edit` changes the glyphs of the set in a copy of the
// langpack (it may add, remove and change glyphs, and returns what it did);
// the copy is laid out, given to the copies of set No. 2 and checked, and
// becomes `lp` only when it passes.
Result<RangeEdit> EditSetGlyphs(TLangpack& lp, int setIndex,
                                const std::function<Result<RangeEdit>(TLangpack& copy)>& edit);

}  // namespace glyphora
