#include "HistoryCommands.h"

namespace glyphora {

void BindHistoryCommands(const CommandContext& c) {
    Session& s = c.session;
    Bind(c, c.actions.stepBackward, [&s] { s.StepBackward(); });
    Bind(c, c.actions.stepForward, [&s] { s.StepForward(); });
}

}  // namespace glyphora
