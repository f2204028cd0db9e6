// Edit -> "Characters of the set…": the dialog over the current set's ranges.
#pragma once

#include "CommandContext.h"

#include <LazyWindow.h>

namespace glyphora {

class CharacterRangesDialog;
class FontPage;

// Binds the command to the dialog (a child of the window, built when first opened).
SharedWindow<CharacterRangesDialog> BindCharacterRangesCommands(const CommandContext& context, FontPage* fontPage);

}  // namespace glyphora
