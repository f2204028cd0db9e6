// "?": About...
#pragma once

#include "CommandContext.h"

namespace glyphora {

class AboutDialog;

void BindHelpCommands(const CommandContext& context, AboutDialog* about);

}  // namespace glyphora
