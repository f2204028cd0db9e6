// Changes to the model that are not tied to the editor.
#pragma once

#include "Langpack.h"

#include <cstdint>
#include <vector>

namespace glyphora {

// After the Height of set `setIndex` (0-based) was changed from oldHeight:
// every glyph's Data gets the new row count; added rows are empty (0xFF in memory).
void ResizeSets(TLangpack& lp, int setIndex, int oldHeight);

// The sets a save writes as one, in file order: set No. 2 and each set saved
// as its copy when `setIndex` is one of them, else `setIndex` alone. Empty
// for a set the langpack does not have.
std::vector<int> ShareGroup(const TLangpack& lp, int setIndex);

// Stores a glyph's width and rows (memory form) as glyph `glyphIndex` of the
// set and of every set saved with it, so that an edit of a copy of set No. 2
// is not replaced by set No. 2's old glyph on the next save. A set of the
// group without that glyph is left alone. Returns the sets changed.
std::vector<int> StoreGlyph(TLangpack& lp, int setIndex, int glyphIndex, uint8_t width,
                            const std::vector<uint8_t>& data);

// Gives the set, and every set saved with it, the new height and brings
// their glyphs to it (ResizeSets). Returns the sets changed.
std::vector<int> SetSetHeight(TLangpack& lp, int setIndex, uint16_t height);

}  // namespace glyphora
