// "Language": English (default), Русский, Load. The menu itself stays
// disabled; the items work when triggered.
#pragma once

#include "CommandContext.h"

namespace glyphora {

void BindLanguageCommands(const CommandContext& context);

}  // namespace glyphora
