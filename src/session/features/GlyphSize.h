// "Set width" of the working glyph and "Set height" of the current set (and
// the sets saved with it), each through the size dialog.
#pragma once

#include "Session.h"

namespace glyphora {

class GlyphSize {
public:
    explicit GlyphSize(Session& session) : session_(session) {}

    void SetWidthCommand();
    // "Save the current symbol?" first; a new height is one step of the
    // langpack-wide history and a step of the working glyph.
    void SetHeightCommand();
    // The current set (and the sets saved with it) made `height` rows high,
    // as one step; the height it has already changes nothing.
    void SetHeight(int height);

private:
    Session& session_;
};

}  // namespace glyphora
