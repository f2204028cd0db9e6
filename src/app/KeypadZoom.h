// Keypad + and - reach Zoom + and Zoom - wherever the focus is in the window,
// also where the platform's key mapping loses the keypad mark before shortcuts
// are matched (X11). A line edit keeps its keys.
#pragma once

class QAction;
class QMainWindow;

namespace glyphora {

void installKeypadZoom(QMainWindow* window, QAction* zoomIn, QAction* zoomOut);

}  // namespace glyphora
