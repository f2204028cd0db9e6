// "?": About..., and its dialog ("TForm6"), a child of the context's window.
#pragma once

#include "CommandContext.h"

#include <LazyWindow.h>

namespace glyphora {

class AboutDialog;

// The dialog is built when it is first shown; `made` is told then.
SharedWindow<AboutDialog> BindHelpCommands(const CommandContext& context, const WindowMade<AboutDialog>& made = {});

}  // namespace glyphora
