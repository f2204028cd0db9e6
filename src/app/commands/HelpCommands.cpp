#include "HelpCommands.h"

#include <AboutDialog.h>

namespace glyphora {

AboutDialog* BindHelpCommands(const CommandContext& c) {
    auto* about = new AboutDialog(c.window);
    Bind(c, Command::About, [about] { about->exec(); });
    return about;
}

}  // namespace glyphora
