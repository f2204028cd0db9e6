// The one-level Undo of the working glyph and "Step backward" / "Step
// forward" through its steps: each glyph keeps its own while the langpack
// stays open, and a step put back counts as an edit of the glyph.
#pragma once

#include "Session.h"

namespace glyphora {

class GlyphSteps {
public:
    explicit GlyphSteps(Session& session) : session_(session) {}

    // Undo toggles; the glyph before it is kept as a step too.
    void UndoCommand();
    void StepBackward() { walk(true); }
    void StepForward() { walk(false); }

private:
    void walk(bool back);
    GlyphState working() const;
    Session& session_;
};

}  // namespace glyphora
