// Edit -> "Go to character": the dialog, then the glyph of the character in
// the current set (or a message naming the sets that have it).
#pragma once

#include "CommandContext.h"

namespace glyphora {

class GoToDialog;

void BindGoToCommands(const CommandContext& context, GoToDialog* dialog);

}  // namespace glyphora
