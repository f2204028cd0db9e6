// The zoom of the canvas: Zoom + and Zoom -, the pane the view reports, and
// View -> "Fit glyph" (the factor follows them as GlyphEditor::SetPane and
// SetFitToPane say).
#pragma once

#include "Session.h"

namespace glyphora {

class Zoom {
public:
    explicit Zoom(Session& session) : session_(session) {}

    void ZoomIn();
    void ZoomOut();
    void SetCanvasPane(PaneSize pane);
    void SetFitGlyph(bool on);

private:
    Session& session_;
};

}  // namespace glyphora
