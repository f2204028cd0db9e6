// File -> "Recent files", and a file dropped on the window: both go through
// the ordinary Open-file flow with its questions.
#pragma once

#include "CommandContext.h"

namespace glyphora {

class RecentFilesMenu;

void BindRecentCommands(const CommandContext& context, RecentFilesMenu* recent);

}  // namespace glyphora
