// "Export in bitmap" and "Import from bitmap": one glyph exchanged with a
// picture file. Imports read BMP files with the project's reader and every
// other picture the toolkit knows (PNG above all).
#pragma once

#include "CommandContext.h"

namespace glyphora {

void BindBitmapCommands(const CommandContext& context);

}  // namespace glyphora
