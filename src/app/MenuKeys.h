// The menus from the keyboard: each menu title gets a mnemonic (Alt+F opens
// "File"; the captions read as before), and F10 opens the first menu. No
// mnemonic takes Alt+S or Alt+X, the shortcuts of "Save Image" and "Exit":
// "Size image" is Alt+I.
#pragma once

class QMainWindow;

namespace glyphora {

void installMenuKeys(QMainWindow* window);

}  // namespace glyphora
