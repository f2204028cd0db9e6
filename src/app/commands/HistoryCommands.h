// "Edit" beside the one-level Undo: "Step backward" and "Step forward" walk
// the working glyph's history.
#pragma once

#include "CommandContext.h"

namespace glyphora {

void BindHistoryCommands(const CommandContext& context);

}  // namespace glyphora
