// One font set as a BDF font, and a BDF font's glyphs put into a set.
//
// Export: every glyph of the set becomes a glyph "uniXXXX" with its code as
// ENCODING and its width as DWIDTH, its bitmap the full cell (BBX width x set
// height, the bottom `descent` rows below the baseline). A glyph of width 0
// is written as a glyph of no advance and no pixels (DWIDTH 0 0, BBX 0 0 0 0);
// the import takes such a glyph back as width 0. A code held by more than one
// glyph of the set (a broken interval table) is written once, for its first
// glyph.
//
// Import: the font's ascent line lies at the top row of the cell, moved up
// by a shift of K rows (K > 0 cuts K rows at the top); the BBX x offset is
// honoured, pixels left of the cell and right of the new width are dropped.
#pragma once

#include "BdfFont.h"
#include "CharacterRanges.h"
#include "Langpack.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace glyphora {

// A FONT name without blanks: the file's name without folder and extension,
// letters, digits and "._+-" kept, anything else made "_", then "-set" and
// the 1-based set number ("/phones/my lang.smg", 2 -> "my_lang-set2").
std::string BdfFontName(const std::string& langpackFileName, int setNumber);

// Set `setIndex` (0-based) as a BDF 2.1 font: FONT_ASCENT = the set's height
// - descent, FONT_DESCENT = descent (clamped to 0..height), registry
// ISO10646-1. A set the langpack does not have gives a font without glyphs.
BdfFont SetToBdf(const TLangpack& lp, int setIndex, const std::string& fontName, int descent = 0);

// The descent an export takes from the set's baseline guide, the 0-based row
// on which letters without descenders stand: ascent = row + 1, descent =
// height - ascent. Nothing without a guide, or with one the set no longer
// has (its height changed since the guide was placed).
std::optional<int> BaselineDescent(std::optional<int> baselineRow, int height);

// The default shift of an import: 0 when the font's ascent + descent fits in
// the set's height, else the rows it has too many, so that a taller font
// loses its top rows (mostly line spacing) and keeps its descenders.
int DefaultBdfShift(const BdfFont& font, int setHeight);

struct BdfGlyphImport {
    int GlyphIndex = 0;         // in the set
    uint8_t Width = 0;          // 1..15; 0 only for a glyph of no advance and no ink
    std::vector<uint8_t> Data;  // memory form (0 = ink), the set's height of rows
};

struct BdfImportPlan {
    std::vector<BdfGlyphImport> Glyphs;  // by glyph index: the glyphs whose code the font has
    int Replaced = 0;                    // Glyphs.size()
    int Lacked = 0;                      // glyphs of the set whose code the font lacks; they keep their pixels
    int Shift = 0;                       // the K used
    // What the import changed beyond the font's own glyphs, by code, in the
    // order of the set's glyphs:
    std::vector<uint16_t> CutTo15;        // advances over 15 columns, cut to 15
    std::vector<uint16_t> MadeOneColumn;  // ink but an advance of 0 (or less), made 1 column wide
    std::vector<uint16_t> Duplicated;     // codes more than one glyph of the font has; the first was taken
};

// One line for each of those lists that is not empty, with the count and the
// codes ("2 glyphs wider than 15 columns were cut to 15: U+0041, U+0042"),
// for the tool's and the editor's report alike.
std::vector<std::string> BdfImportNotes(const BdfImportPlan& plan);

// What importing `font` into set `setIndex` gives, without changing the
// model. The width is the glyph's DWIDTH (the font's when it has none)
// within 1..15 (the plan lists what it cut or widened). Glyphs with ENCODING
// -1 match no code; of glyphs with the same code the first counts, and the
// plan lists the code. No shift: DefaultBdfShift.
BdfImportPlan PlanBdfImport(const TLangpack& lp, int setIndex, const BdfFont& font, std::optional<int> shift);

// Stores every glyph of the plan with StoreGlyph, so that the copies of set
// No. 2 change with it. Returns the sets changed, in order.
std::vector<int> ApplyBdfImport(TLangpack& lp, int setIndex, const BdfImportPlan& plan);

// The codes of the font's glyphs (ENCODING 0 to 0xFFFF) that set `setIndex`
// lacks, ascending, each once.
std::vector<uint16_t> BdfCodesLacking(const TLangpack& lp, int setIndex, const BdfFont& font);

// Import with the characters the set lacks added first: every code of
// BdfCodesLacking becomes a glyph of the set, then the whole font is imported
// as PlanBdfImport and ApplyBdfImport do, as one edit (EditSetGlyphs): when
// the result breaks a limit (too many glyphs or intervals, the room of the
// fonts area) nothing changes and the refusal says how many characters the
// font would add. `plan` receives the import done; the result counts the
// glyphs added as `changed`.
Result<RangeEdit> ImportBdfAddingMissing(TLangpack& lp, int setIndex, const BdfFont& font, std::optional<int> shift,
                                         BdfImportPlan& plan);

}  // namespace glyphora
