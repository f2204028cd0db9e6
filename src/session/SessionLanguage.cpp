// The interface language of the session: the session is the host that
// LoadLanguage fills and asks, and the "Language" menu's three commands.
#include "Session.h"

#include "ProgramFiles.h"

#include "LanguageLoader.h"

#include <Utf8Path.h>

#include <filesystem>

namespace glyphora {

class Session::LanguageRelay : public LanguageHost {
public:
    explicit LanguageRelay(Session& session) : s_(session) {}

    UiStrings& uiStrings() override { return s_.uiStrings_; }
    std::string& UILanguage() override { return s_.uiLanguage_; }
    void warn(const std::string& text) override { s_.prompts_.warning(text); }
    void SaveDefaultSetupLang() override { s_.SaveDefaultSetupLang(); }
    void SaveSetup() override { s_.SaveSetup(); }
    void applyTexts(const UiStrings&) override {
        if (s_.observer_) s_.observer_->interfaceTextsChanged();
    }

private:
    Session& s_;
};

void Session::LoadLanguage(const std::string& name, bool apply) {
    LanguageRelay host(*this);
    glyphora::LoadLanguage(host, name, apply);
    // A fall-back to English changes the chosen menu item.
    changed();
}

void Session::ApplyUILanguage() { LoadLanguage(uiLanguage_, true); }

void Session::ChooseEnglishCommand() {
    LanguageRelay host(*this);
    ChooseEnglish(host);
    changed();
}

void Session::ChooseRussianCommand() {
    LanguageRelay host(*this);
    ChooseRussian(host);
    changed();
}

void Session::LoadLanguageCommand() {
    Prompts::FileDialog dialog;
    dialog.title = "Open";
    dialog.filters = {kLanguageFileFilter};
    dialog.folder = FindLanguagesFolder(paths_.programDir);
    const std::optional<std::string> chosen = prompts_.chooseOpenFile(dialog);
    if (!chosen || chosen->empty()) return;
    // The settings keep the full path, so the file is found from any folder.
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(PathFromUtf8(*chosen), ec);
    LanguageRelay host(*this);
    ChooseLanguageFile(host, ec ? *chosen : Utf8FromPath(full));
    changed();
}

}  // namespace glyphora
