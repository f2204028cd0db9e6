// The selection of the glyph editor: the rectangle, whether it floats, what
// it lifted and what lies beneath it, and whether its dotted frame is on the
// canvas.
#pragma once

#include "Geometry.h"
#include "MonoImage.h"

namespace glyphora {

struct FloatingSelection {
    bool active = false;      // SelectionActive
    bool fresh = true;        // SelectionFresh: not lifted yet
    bool clearUnder = false;  // ClearUnderSelection: lifting leaves paper behind
    bool frameShown = false;  // the dotted frame over `rect` is on the canvas
    PixelRect rect;           // SelectionRect, glyph pixels
    MonoImage content;        // SelectionContent: the lifted pixels ...
    PixelRect source;         // ... and the area of them it shows
    MonoImage background;     // what lies beneath it
};

}  // namespace glyphora
