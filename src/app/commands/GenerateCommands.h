// The "Processing" commands that draw glyphs from a desktop font and trim
// their widths: "Select windows font", "Select font file", "Replace the
// chosen symbols" and "Optimize the chosen symbols on width", the last two
// over the rows chosen in the glyph grid.
#pragma once

#include "CommandContext.h"

namespace glyphora {

class FontPage;
class SetGuidesView;
class ViewPreferences;

// The Generate window keeps its choices in `preferences`.
void BindGenerateCommands(const CommandContext& context, FontPage* fontPage, const SetGuidesView& guides,
                          ViewPreferences& preferences);

}  // namespace glyphora
