#include "HistoryCommands.h"
#include <GlyphSteps.h>
#include <LangpackUndo.h>

namespace glyphora {

void BindHistoryCommands(const CommandContext& c) {
    Session& s = c.session;
    Bind(c, Command::StepBackward, [&s] { GlyphSteps(s).StepBackward(); });
    Bind(c, Command::StepForward, [&s] { GlyphSteps(s).StepForward(); });
    Bind(c, Command::UndoLangpack, [&s] { LangpackUndo(s).Undo(); });
    Bind(c, Command::RedoLangpack, [&s] { LangpackUndo(s).Redo(); });
}

}  // namespace glyphora
