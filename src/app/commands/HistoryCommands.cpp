#include "HistoryCommands.h"

namespace glyphora {

void BindHistoryCommands(const CommandContext& c) {
    Session& s = c.session;
    Bind(c, c.actions.stepBackward, [&s] { s.StepBackward(); });
    Bind(c, c.actions.stepForward, [&s] { s.StepForward(); });
    Bind(c, c.actions.undoLangpack, [&s] { s.UndoLangpackCommand(); });
    Bind(c, c.actions.redoLangpack, [&s] { s.RedoLangpackCommand(); });
}

}  // namespace glyphora
