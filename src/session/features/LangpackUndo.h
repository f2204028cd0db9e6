// Edit -> "Undo langpack change" (Ctrl+Alt+Shift+Z) and "Redo langpack
// change" (Ctrl+Alt+Shift+Y): the steps of the langpack-wide history.
//
// They are commands of their own, so the one-level Undo (Ctrl+Z) and the
// steps of the working glyph (Ctrl+Alt+Z, Ctrl+Shift+Z) keep exactly their
// meaning for the glyph on the canvas: a key never takes back more than the
// user expects, and the langpack's steps are one key away. A changed working
// glyph is asked about ("Save the current symbol?") before a set is swapped back.
#pragma once

#include "Session.h"

namespace glyphora {

class LangpackUndo {
public:
    explicit LangpackUndo(Session& session) : session_(session) {}

    void Undo() { walk(true); }
    void Redo() { walk(false); }

private:
    void walk(bool back);
    Session& session_;
};

}  // namespace glyphora
