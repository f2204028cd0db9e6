#include "HelpCommands.h"

#include <AboutDialog.h>

namespace glyphora {

SharedWindow<AboutDialog> BindHelpCommands(const CommandContext& c, const WindowMade<AboutDialog>& made) {
    auto about = MakeLazyWindow<AboutDialog>([window = c.window, made] {
        auto* dialog = new AboutDialog(window);
        if (made) made(dialog);
        return dialog;
    });
    Bind(c, Command::About, [about] { about->get()->exec(); });
    return about;
}

}  // namespace glyphora
