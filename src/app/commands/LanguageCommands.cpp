#include "LanguageCommands.h"
#include <InterfaceLanguage.h>

namespace glyphora {

// Which item shows as chosen is the window's refresh, from UILanguage: a
// cancelled "Load" must not leave its radio item checked.
void BindLanguageCommands(const CommandContext& c) {
    Session& s = c.session;
    Bind(c, Command::English, [&s] { InterfaceLanguage(s).ChooseEnglish(); });
    Bind(c, Command::Russian, [&s] { InterfaceLanguage(s).ChooseRussian(); });
    Bind(c, Command::LoadLanguage, [&s] { InterfaceLanguage(s).LoadFileCommand(); });
}

}  // namespace glyphora
