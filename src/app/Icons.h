// The pictures of the toolbar, the tool palette and the window: SVG files (PNG
// drawn from them where Qt has no SVG icon engine)
// compiled into the program, each read once and drawn at the size asked
// for when it is first shown.
#pragma once

#include <QIcon>

namespace glyphora {

// The icon of the file `name`.svg in the icons folder.
QIcon IconFile(const char* name);
// The program's own icon, the same file as the desktop entry's.
QIcon ApplicationIcon();

}  // namespace glyphora
