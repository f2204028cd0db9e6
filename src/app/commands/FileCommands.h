// "File": Open file, Save Image, Save langpack, Exit.
#pragma once

#include "CommandContext.h"

namespace glyphora {

void BindFileCommands(const CommandContext& context);

}  // namespace glyphora
