#include "HistoryCommands.h"

namespace glyphora {

void BindHistoryCommands(const CommandContext& c) {
    Session& s = c.session;
    Bind(c, Command::StepBackward, [&s] { s.StepBackward(); });
    Bind(c, Command::StepForward, [&s] { s.StepForward(); });
    Bind(c, Command::UndoLangpack, [&s] { s.UndoLangpackCommand(); });
    Bind(c, Command::RedoLangpack, [&s] { s.RedoLangpackCommand(); });
}

}  // namespace glyphora
