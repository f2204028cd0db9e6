// Edit -> "Go to character": the dialog, then the glyph of the character in
// the current set (or a message naming the sets that have it). The dialog is
// a child of the context's window.
#pragma once

#include "CommandContext.h"

#include <LazyWindow.h>

namespace glyphora {

class GoToDialog;

// Built when first asked.
SharedWindow<GoToDialog> BindGoToCommands(const CommandContext& context, QWidget* glyphGrid);

}  // namespace glyphora
