// Edit -> "Copy glyphs" / "Paste glyphs" through the system clipboard, File
// -> "Copy glyphs from another langpack…", and the comparison: File ->
// "Compare with…", "Close comparison", View -> "Next difference".
#pragma once

#include "CommandContext.h"

namespace glyphora {

class FontPage;
class LangpackComparison;
class SetGuidesView;
class ViewPreferences;

void BindGlyphCopyCommands(const CommandContext& context, FontPage* fontPage, const SetGuidesView& guides,
                           const ViewPreferences& preferences);
void BindCompareCommands(const CommandContext& context, LangpackComparison& comparison);

}  // namespace glyphora
