#include "Zoom.h"

namespace glyphora {

void Zoom::ZoomIn() {
    if (session_.LangFileOpen() && session_.editor().ZoomIn()) session_.report().stateChanged();
}

void Zoom::ZoomOut() {
    if (session_.LangFileOpen() && session_.editor().ZoomOut()) session_.report().stateChanged();
}

// Both may change the factor (the title) and the top of the ladder (Zoom +).
void Zoom::SetCanvasPane(PaneSize pane) {
    if (session_.editor().SetPane(pane) || session_.LangFileOpen()) session_.report().stateChanged();
}

void Zoom::SetFitGlyph(bool on) {
    session_.editor().SetFitToPane(on);
    session_.report().stateChanged();
}

}  // namespace glyphora
