#include "GlyphSteps.h"

namespace glyphora {

GlyphState GlyphSteps::working() const { return {session_.editor().EditImage(), session_.editor().GlyphWidth()}; }

void GlyphSteps::UndoCommand() {
    if (!session_.glyphShown()) return;
    GlyphEditor& editor = session_.editor();
    // The glyph Undo leaves is kept as a step, so that the steps never skip a
    // state the glyph was in. A floating selection is dropped first, as the
    // Undo itself does.
    if (editor.UndoAvailable()) {
        editor.FalseGoBegin();
        if (const auto key = session_.workingKey()) session_.history().record(*key, working());
    }
    editor.UndoCommand();
    session_.report().stateChanged();
}

void GlyphSteps::walk(bool back) {
    const auto key = session_.workingKey();
    if (!key) return;
    GlyphEditor& editor = session_.editor();
    editor.FalseGoBegin();
    GlyphHistory& history = session_.history();
    if (auto state = back ? history.stepBackward(*key, working()) : history.stepForward(*key, working()))
        editor.RestoreGlyph(state->image, state->width);
    session_.report().stateChanged();
}

}  // namespace glyphora
