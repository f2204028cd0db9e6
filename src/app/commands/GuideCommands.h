// View -> "Guides…": the baseline and cap-height rows of the set shown,
// chosen in the guides dialog and kept in the view preferences (never in the
// langpack).
#pragma once

#include "CommandContext.h"

#include <LazyWindow.h>

namespace glyphora {

class GuidesDialog;
class SetGuidesView;

void BindGuideCommands(const CommandContext& context, SharedWindow<GuidesDialog> dialog, SetGuidesView& guides);

}  // namespace glyphora
