// F10 opens the first menu. The menu titles' mnemonics are in the command
// table (Alt+F opens "File"); none takes Alt+S or Alt+X, the shortcuts of
// "Save Image" and "Exit": "Size image" is Alt+I.
#pragma once

class QMainWindow;

namespace glyphora {

void installMenuKeys(QMainWindow* window);

}  // namespace glyphora
