#include "FileCommands.h"

#include <QWidget>

namespace glyphora {

void BindFileCommands(const CommandContext& c) {
    Session& s = c.session;
    Bind(c, c.actions.openFile, [&s] { s.OpenFileCommand(); });
    Bind(c, c.actions.saveImage, [&s] { s.SaveImageCommand(); });
    Bind(c, c.actions.saveLangpack, [&s] { s.SaveLang(); });
    // Closing asks about a changed langpack, as the close box does.
    Bind(c, c.actions.exit, [w = c.window] { w->close(); });
}

}  // namespace glyphora
