// The "Language" menu and the language of the secondary windows: the one
// named in the settings shown at start, "English (default)", "Русский", and
// "Load" with its open dialog. Each choice is written to the settings.
#pragma once

#include "Session.h"

#include <string>

namespace glyphora {

class InterfaceLanguage {
public:
    explicit InterfaceLanguage(Session& session) : session_(session) {}

    // The main window is shown for the first time: the language named in the
    // settings is loaded and shown.
    void Apply();
    // "Russian", "English" or the path of a language file; a refused file
    // falls back to English (with a message) and rewrites the settings.
    void Load(const std::string& name, bool apply);
    void ChooseEnglish();
    void ChooseRussian();
    void LoadFileCommand();

private:
    Session& session_;
};

}  // namespace glyphora
