// "?": About..., and its dialog ("TForm6"), a child of the context's window.
#pragma once

#include "CommandContext.h"

namespace glyphora {

class AboutDialog;

AboutDialog* BindHelpCommands(const CommandContext& context);

}  // namespace glyphora
