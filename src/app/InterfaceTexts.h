// The interface texts of the current language put into the windows that show
// them: the set-size, insert-text and About dialogs, the code-group window and
// the prefixes of the status bar. The main window's own menus, buttons and
// grids keep their English texts in every language.
#pragma once

#include <UiStrings.h>

namespace glyphora {

class AboutDialog;
class CodeGroupWindow;
class InsertTextDialog;
class SetSizeDialog;
class StatusPresenter;

struct TextWindows {
    SetSizeDialog* setSize = nullptr;        // "TForm5"
    InsertTextDialog* insertText = nullptr;  // "TForm2"
    AboutDialog* about = nullptr;            // "TForm6"
    CodeGroupWindow* codeGroups = nullptr;   // "TForm8"
    StatusPresenter* status = nullptr;
};

// An empty slot leaves its control empty, except a status prefix: an empty
// prefix is the panel's English one ("Size: ", "Cursor: ", "Select: "), so a
// panel never shows a bare "7x12".
void ApplyInterfaceTexts(const UiStrings& strings, const TextWindows& windows);

}  // namespace glyphora
