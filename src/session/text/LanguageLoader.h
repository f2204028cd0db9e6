// Choosing the interface language: the built-in English or Russian set, or a
// language file. The session implements LanguageHost; tests fake it.
#pragma once

#include "UiStrings.h"

#include <Error.h>

#include <cstdint>
#include <string>
#include <vector>

namespace glyphora {

// Values of UILanguage besides a language file's path.
inline constexpr const char* kEnglishLanguage = "English";
inline constexpr const char* kRussianLanguage = "Russian";

inline constexpr const char* kNotForGlyphoraMessage = "This LanguagePack not for program Glyphora.";
inline constexpr const char* kVersionMismatchMessage =
    "Version LanguagePack does not correspond to the version of the program. Are possible not accuracy of "
    "translation.";
inline constexpr const char* kBadFormatMessage = "Not correct format LanguagePack.";

// The "Load" item's dialog: its file filter and, below ProgramDir, its initial folder.
inline constexpr const char* kLanguageFileFilter = "Glyphora LanguagePack (*.flp)";
inline constexpr const char* kLanguagesFolderName = "Languages";

class LanguageHost {
public:
    virtual ~LanguageHost() = default;
    virtual UiStrings& uiStrings() = 0;
    virtual std::string& UILanguage() = 0;
    // A message box captioned "Glyphora" with the warning icon and an OK button.
    virtual void warn(const std::string& text) = 0;
    // Rewrites the settings with Language=English, sets UILanguage to
    // "English" and checks the "English (default)" menu item.
    virtual void SaveDefaultSetupLang() = 0;
    // Rewrites the settings with the current UILanguage and langpack path.
    virtual void SaveSetup() = 0;
    // Shows the texts: the four windows and the status-bar prefixes.
    virtual void applyTexts(const UiStrings& strings) = 0;
    // The bytes of a language file. Any failure (no such file, a folder, no
    // permission) means the same to the loader: there is no such language.
    virtual Result<std::vector<uint8_t>> readFile(const std::string& path);
};

// name is "Russian", "English", or the path of a language file; any other name
// and a file that cannot be read give English and set UILanguage to "English".
// A refused file (wrong header, a slot number that is not an integer) is
// reported, the settings fall back to English, and English is applied even
// when apply is false. name is taken by value: callers pass UILanguage itself,
// which a fall-back changes.
void LoadLanguage(LanguageHost& host, std::string name, bool apply);

// The three items of the "Language" menu.
void ChooseEnglish(LanguageHost& host);
void ChooseRussian(LanguageHost& host);
// "Load", once the user has chosen a file in the dialog. UILanguage becomes
// the path even when the file was refused, so the refusal comes back at the
// next start until another language is chosen.
void ChooseLanguageFile(LanguageHost& host, const std::string& path);

}  // namespace glyphora
