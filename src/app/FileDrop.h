// A file dropped on the main window is handed on (opened as "Open file" opens
// a chosen one, or a picture imported onto the glyph), with its questions. The drop is taken at once and the file
// opened after the drag has ended, so no question is asked in the middle of it.
#pragma once

#include <functional>

class QMainWindow;
class QString;

namespace glyphora {

void installFileDrop(QMainWindow* window, std::function<void(const QString& path)> open);

}  // namespace glyphora
