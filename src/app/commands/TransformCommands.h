// Edit -> "Transform": the eight transforms, on the working glyph or on the
// rows chosen in the glyph grid; Oblique leans about the set's baseline guide.
#pragma once

#include "CommandContext.h"

namespace glyphora {

class FontPage;
class SetGuidesView;

void BindTransformCommands(const CommandContext& context, FontPage* fontPage, const SetGuidesView& guides);

}  // namespace glyphora
