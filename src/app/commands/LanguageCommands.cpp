#include "LanguageCommands.h"

namespace glyphora {

// Which item shows as chosen is the window's refresh, from UILanguage: a
// cancelled "Load" must not leave its radio item checked.
void BindLanguageCommands(const CommandContext& c) {
    Session& s = c.session;
    Bind(c, c.actions.english, [&s] { s.ChooseEnglishCommand(); });
    Bind(c, c.actions.russian, [&s] { s.ChooseRussianCommand(); });
    Bind(c, c.actions.loadLanguage, [&s] { s.LoadLanguageCommand(); });
}

}  // namespace glyphora
