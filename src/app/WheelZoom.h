// Ctrl + mouse wheel over the canvas walks the zoom ladder, one step a notch,
// through the Zoom + and Zoom - commands.
#pragma once

#include <QList>

class QAction;
class QWidget;

namespace glyphora {

void installWheelZoom(const QList<QWidget*>& widgets, QAction* zoomIn, QAction* zoomOut);

}  // namespace glyphora
