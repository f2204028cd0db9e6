// Changes to the model that are not tied to the editor.
#pragma once

#include "Langpack.h"

namespace glyphora {

// After the Height of set `setIndex` (0-based) was changed from oldHeight:
// every glyph's Data gets the new row count; added rows are empty (0xFF in memory).
void ResizeSets(TLangpack& lp, int setIndex, int oldHeight);

}  // namespace glyphora
