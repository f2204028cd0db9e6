// The step history of the working glyph beside the one-level Undo. The editor
// reports every point where it takes its undo snapshot (and every width
// change); the glyph's state then is one step. Stepping puts a kept state
// back through the editor as an edit.
#include "Session.h"

#include <LangpackEdit.h>

namespace glyphora {

// The sets saved as one share their glyphs, so they share their steps too.
std::optional<GlyphKey> Session::workingKey() const {
    if (!glyphShown()) return std::nullopt;
    const std::vector<int> group = ShareGroup(*langpack(), currentSet_);
    return GlyphKey{group.empty() ? currentSet_ : group.front(), currentSymbol_};
}

GlyphState Session::workingState() const { return {editor_.EditImage(), editor_.GlyphWidth()}; }

void Session::recordStep() {
    if (const auto key = workingKey()) history_.record(*key, workingState());
}

void Session::settleStep() {
    if (const auto key = workingKey()) history_.settle(*key, workingState());
}

bool Session::CanStepBackward() const {
    const auto key = workingKey();
    return key && history_.canStepBackward(*key, workingState());
}

bool Session::CanStepForward() const {
    const auto key = workingKey();
    return key && history_.canStepForward(*key, workingState());
}

void Session::UndoCommand() {
    if (!glyphShown()) return;
    // Undo toggles; the glyph it leaves is kept as a step, so that the steps
    // never skip a state the glyph was in. A floating selection is dropped
    // first, as the Undo itself does.
    if (editor_.UndoAvailable()) {
        editor_.FalseGoBegin();
        recordStep();
    }
    editor_.UndoCommand();
    changed();
}

void Session::StepBackward() {
    const auto key = workingKey();
    if (!key) return;
    editor_.FalseGoBegin();
    if (auto state = history_.stepBackward(*key, workingState())) editor_.RestoreGlyph(state->image, state->width);
    changed();
}

void Session::StepForward() {
    const auto key = workingKey();
    if (!key) return;
    editor_.FalseGoBegin();
    if (auto state = history_.stepForward(*key, workingState())) editor_.RestoreGlyph(state->image, state->width);
    changed();
}

}  // namespace glyphora
