// "Edit" and "View": undo, the selection and clipboard commands, the shifts,
// and the zoom pair. Each works on the glyph shown.
#pragma once

#include "CommandContext.h"

namespace glyphora {

void BindEditCommands(const CommandContext& context);

}  // namespace glyphora
