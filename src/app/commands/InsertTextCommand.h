// The text tool and its "Insert text" dialog ("TForm2"), created at its first
// use and reused, so the text and the font stay from one use to the next.
// Pressing the tool's button, or a press on the canvas while the tool is
// active, shows the dialog modally when a langpack is open; "Insert text"
// floats the text, clipped to the glyph, at the glyph's top-left corner.
#pragma once

#include "CommandContext.h"

#include <LazyWindow.h>

class QFont;
class QString;

namespace glyphora {

class EditorBinding;
class InsertTextDialog;
class ToolPalette;

// The dialog is a child of the context's window; `made` is told when it is built.
SharedWindow<InsertTextDialog> BindInsertTextCommand(const CommandContext& context, ToolPalette* palette,
                                                     EditorBinding& binding,
                                                     const WindowMade<InsertTextDialog>& made = {});

// The text drawn black on white in the font, cut to the working glyph and
// placed as a fresh floating selection; a glyph without room is told so.
void InsertText(Session& session, const QString& text, const QFont& font);

}  // namespace glyphora
