#include "InterfaceLanguage.h"

#include "LanguageLoader.h"
#include "ProgramFiles.h"

#include <Utf8Path.h>

#include <filesystem>

namespace glyphora {

void InterfaceLanguage::Load(const std::string& name, bool apply) {
    LoadLanguage(session_.languageHost(), name, apply);
    // A fall-back to English changes the chosen menu item.
    session_.report().stateChanged();
}

void InterfaceLanguage::Apply() { Load(session_.UILanguage(), true); }

void InterfaceLanguage::ChooseEnglish() {
    glyphora::ChooseEnglish(session_.languageHost());
    session_.report().stateChanged();
}

void InterfaceLanguage::ChooseRussian() {
    glyphora::ChooseRussian(session_.languageHost());
    session_.report().stateChanged();
}

void InterfaceLanguage::LoadFileCommand() {
    Prompts::FileDialog dialog;
    dialog.title = "Open";
    dialog.filters = {kLanguageFileFilter};
    dialog.folder = FindLanguagesFolder(session_.paths().programDir);
    const std::optional<std::string> chosen = session_.prompts().chooseOpenFile(dialog);
    if (!chosen || chosen->empty()) return;
    // The settings keep the full path, so the file is found from any folder.
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(PathFromUtf8(*chosen), ec);
    ChooseLanguageFile(session_.languageHost(), ec ? *chosen : Utf8FromPath(full));
    session_.report().stateChanged();
}

}  // namespace glyphora
