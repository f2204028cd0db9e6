#include "LanguageCommands.h"

namespace glyphora {

// Which item shows as chosen is the window's refresh, from UILanguage: a
// cancelled "Load" must not leave its radio item checked.
void BindLanguageCommands(const CommandContext& c) {
    Session& s = c.session;
    Bind(c, Command::English, [&s] { s.ChooseEnglishCommand(); });
    Bind(c, Command::Russian, [&s] { s.ChooseRussianCommand(); });
    Bind(c, Command::LoadLanguage, [&s] { s.LoadLanguageCommand(); });
}

}  // namespace glyphora
