#include "HelpCommands.h"

#include <AboutDialog.h>

namespace glyphora {

void BindHelpCommands(const CommandContext& c, AboutDialog* about) {
    Bind(c, c.actions.about, [about] { about->exec(); });
}

}  // namespace glyphora
