// Edit -> "Characters of the set…": the dialog over the current set's ranges.
#pragma once

#include "CommandContext.h"

namespace glyphora {

class CharacterRangesDialog;
class FontPage;

// Creates the dialog (a child of the window) and binds the command to it.
CharacterRangesDialog* BindCharacterRangesCommands(const CommandContext& context, FontPage* fontPage);

}  // namespace glyphora
