// Which sets are saved as copies of set No. 2 ("General font").
#pragma once

#include "Langpack.h"

namespace glyphora {

inline constexpr int kGeneralSetIndex = 1;  // set No. 2, 0-based

// Set No. 3 (usually) and set No. 7 (in old models) are doubles of set No. 2
// when their glyph data pointed at set No. 2's when the file was read. A save
// writes no tables or glyphs of their own: they point at set No. 2's, so
// whatever they hold in memory is replaced by set No. 2's glyphs, and editors
// change set No. 2 together with them. A set No. 3 with data of its own is an
// ordinary set.
inline bool SharesSet2(const TLangpack& lp, int setIndex) {
    if (setIndex == 2) return lp.Set3SharesSet2 && lp.SetCount() >= 3;
    if (setIndex == 6) return lp.Set7SharesSet2 && lp.SetCount() >= 7;
    return false;
}

}  // namespace glyphora
