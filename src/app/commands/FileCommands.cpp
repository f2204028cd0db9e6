#include "FileCommands.h"

#include <FileOpening.h>
#include <QWidget>

namespace glyphora {

void BindFileCommands(const CommandContext& c) {
    Session& s = c.session;
    Bind(c, Command::OpenFile, [&s] { FileOpening(s).OpenFileCommand(); });
    Bind(c, Command::SaveImage, [&s] { s.SaveImageCommand(); });
    Bind(c, Command::SaveLangpack, [&s] { s.SaveLang(); });
    // Closing asks about a changed langpack, as the close box does.
    Bind(c, Command::Exit, [w = c.window] { w->close(); });
}

}  // namespace glyphora
