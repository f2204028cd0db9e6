// The pointer gesture in progress, as one value: nothing, a stroke, an
// erasure, a fill waiting for its release, a line or a shape being dragged,
// a selection being dragged out, or a selection being moved. Ending or
// cancelling a gesture is one assignment of Idle.
#pragma once

#include "Geometry.h"
#include "MonoImage.h"
#include "ToolBehaviour.h"

#include <variant>

namespace glyphora::gesture {

struct Idle {};
struct Stroke {  // the pencil with a button held
    Pixel colour;
    PixelPoint pen;  // where the next line starts
};
struct Erasure {};  // the eraser with a button held
struct Flood {};    // the fill is on the canvas; the release commits it
struct LineDrag {
    Pixel colour;
    PixelPoint anchor;
    PixelPoint end;  // end of the preview now on the canvas
};
struct ShapeDrag {
    ShapeKind shape;
    bool filled;
    Pixel outline;
    Pixel inside;
    PixelPoint anchor;
    PixelRect box;  // the box of the preview now on the canvas
};
struct Marquee {  // a selection being dragged out
    PixelPoint anchor;
};
struct MovingSelection {
    PixelPoint last;  // the pointer pixel of the last move
};

using Gesture = std::variant<Idle, Stroke, Erasure, Flood, LineDrag, ShapeDrag, Marquee, MovingSelection>;

}  // namespace glyphora::gesture
