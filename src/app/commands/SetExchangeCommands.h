// "File": Export set as BDF…, Import BDF into set…, Export set as PNG sheet…,
// Import set from PNG sheet….
// The BDF export takes the set's baseline guide.
#pragma once

#include "CommandContext.h"

namespace glyphora {

class SetGuidesView;

void BindSetExchangeCommands(const CommandContext& context, const SetGuidesView& guides);

}  // namespace glyphora
