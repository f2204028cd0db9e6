#include "LangpackUndo.h"

namespace glyphora {

void LangpackUndo::walk(bool back) {
    LangpackHistory& history = session_.langpackHistory();
    if (!session_.LangFileOpen() || !(back ? history.CanUndo() : history.CanRedo())) return;
    if (!session_.QuestionSaveImage()) return;
    const std::string label = back ? history.UndoLabel() : history.RedoLabel();
    session_.ReplaceSets([&](TLangpack& lp) { return back ? history.Undo(lp) : history.Redo(lp); });
    session_.report().statusMessage((back ? "Undone: " : "Redone: ") + label);
}

}  // namespace glyphora
