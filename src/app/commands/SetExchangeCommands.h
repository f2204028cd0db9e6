// "File": Export set as BDF…, Import BDF into set…, Export set as PNG sheet….
#pragma once

#include "CommandContext.h"

namespace glyphora {

void BindSetExchangeCommands(const CommandContext& context);

}  // namespace glyphora
