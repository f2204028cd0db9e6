// A dock put back from floating would take the size it floated at, which can
// leave the canvas a strip: it comes back at the size it had when it was last
// docked, and the canvas keeps the rest.
#pragma once

#include <initializer_list>

class QDockWidget;
class QMainWindow;

namespace glyphora {

void keepDockedSizes(QMainWindow* window, std::initializer_list<QDockWidget*> docks);

}  // namespace glyphora
