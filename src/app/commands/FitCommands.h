// View -> "Fit glyph" and its toolbar toggle: the zoom follows the canvas
// pane, which reports its size to the session whenever it changes. The
// option is kept in the view preferences.
#pragma once

#include "CommandContext.h"

class QAbstractScrollArea;

namespace glyphora {

class ViewPreferences;

void BindFitCommand(const CommandContext& context, QAbstractScrollArea* canvasPane, ViewPreferences& preferences);

}  // namespace glyphora
