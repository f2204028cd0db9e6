// What must hold before a save may lay out the fonts area. Each check is
// Refused with the reason when it fails. Internal to the codec.
#pragma once

#include "Langpack.h"
#include "LangpackLayout.h"

#include <Error.h>

namespace glyphora {

// The model agrees with itself: table sizes match the counts, every glyph's
// bytes match its width and its set's height, widths fit the descriptor, and
// a copy of set No. 2 has set No. 2's intervals.
Status CheckModel(const TLangpack& lp);

// The fonts area can be placed in the file: it starts after the header and
// the language records, and within the file.
Status CheckFontsArea(const TLangpack& lp, std::size_t fileSize);

// Every offset of the new layout fits its field of the file form.
Status CheckLayoutLimits(const TLangpack& lp, const LangpackLayout& layout, uint64_t fontsOffset);

}  // namespace glyphora
