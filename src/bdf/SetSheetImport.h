// The way back from a set's PNG sheet (SetSheet.h): a sheet edited in any
// paint program gives each glyph of the set its rows again. The grid is
// found from the picture's grid lines, or, when those were painted over,
// taken from the sheet's own layout for the picture's size. Widths stay:
// only the ink inside each glyph's width is read; the bits beyond it are
// kept as they were, so an unchanged sheet gives back the same bytes.
#pragma once

#include "Error.h"
#include "Langpack.h"
#include "SetSheet.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace glyphora {

struct SheetImport {
    int scale = 0;
    std::vector<std::vector<uint8_t>> rows;  // per glyph of the set, memory form
    std::vector<int> changed;                // glyph indices whose rows are not the set's
    std::vector<uint16_t> inkBeyondWidth;    // codes whose cells had ink right of the width, left out
};

// A glyph pixel is ink when more than half of its square is nearer to black
// than to white. Usage for a set the langpack lacks or a scale outside
// 1..kMaxSheetScale; Refused for a set without glyphs and for a picture
// whose grid does not match the set (the message says what was expected and
// what was found); Malformed for a sheet whose grey does not hold its pixels.
Result<SheetImport> ReadSetSheet(const TLangpack& lp, int setIndex, const SheetImage& sheet,
                                 std::optional<int> scale = std::nullopt);

}  // namespace glyphora
