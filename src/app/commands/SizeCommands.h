// "Size image" and "Set height sets": the working glyph's width and the
// current set's height.
#pragma once

#include "CommandContext.h"

namespace glyphora {

void BindSizeCommands(const CommandContext& context);

}  // namespace glyphora
