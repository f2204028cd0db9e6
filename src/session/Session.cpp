#include "Session.h"

#include "LanguageLoader.h"
#include "Settings.h"

#include <LangpackEdit.h>

#include <Utf8Path.h>

#include <filesystem>

namespace glyphora {

namespace {

EditorHost& NullView() {
    static EditorHost none;
    return none;
}

}  // namespace

// The editor reports to the session first: whatever changes the shell state
// (the langpack changed, the glyph modified, undo) is kept and reported here,
// the pictures go on to the view.
class Session::EditorRelay : public EditorHost {
public:
    explicit EditorRelay(Session& session) : s_(session) {}

    void editingLang() override { s_.EditingLang(); }
    void imageModifiedChanged(bool modified) override {
        view().imageModifiedChanged(modified);
        s_.changed();
    }
    void undoAvailable() override {
        view().undoAvailable();
        s_.changed();
    }
    void undoCleared() override {
        view().undoCleared();
        s_.changed();
    }
    // The step history is the session's: the view only shows the glyph.
    void snapshotTaken() override { s_.recordStep(); }
    // Whether a step is offered depends on the glyph as it is now.
    void editImageChanged() override { s_.changed(); }
    void canvasChanged() override { view().canvasChanged(); }
    void canvasResized() override { view().canvasResized(); }
    void statusValue(StatusPanel panel, int a, int b) override { view().statusValue(panel, a, b); }
    void statusCleared(StatusPanel panel) override { view().statusCleared(panel); }
    void pressSelectionTool() override { view().pressSelectionTool(); }
    void openTextDialog() override { view().openTextDialog(); }
    void putClipboardImage(const MonoImage& image) override { view().putClipboardImage(image); }

private:
    EditorHost& view() { return s_.view_ ? *s_.view_ : NullView(); }
    Session& s_;
};

// The session is the host that LoadLanguage fills and asks.
class Session::LanguageRelay : public LanguageHost {
public:
    explicit LanguageRelay(Session& session) : s_(session) {}

    UiStrings& uiStrings() override { return s_.uiStrings_; }
    std::string& UILanguage() override { return s_.uiLanguage_; }
    void warn(const std::string& text) override { s_.prompts_.warning(text); }
    void SaveDefaultSetupLang() override { s_.SaveDefaultSetupLang(); }
    void SaveSetup() override { s_.SaveSetup(); }
    void applyTexts(const UiStrings&) override { s_.report().interfaceTextsChanged(); }

private:
    Session& s_;
};

Session::Session(SessionPaths paths, Prompts& prompts, FlashExtraction& extraction)
    : paths_(std::move(paths)),
      prompts_(prompts),
      extraction_(extraction),
      relay_(std::make_unique<EditorRelay>(*this)),
      languageRelay_(std::make_unique<LanguageRelay>(*this)),
      editor_(relay_.get()) {}

Session::~Session() { editor_.setHost(nullptr); }

SessionObserver& Session::report() const {
    static SessionObserver none;
    return observer_ ? *observer_ : none;
}

void Session::changed() { report().stateChanged(); }

LanguageHost& Session::languageHost() { return *languageRelay_; }

// --- state -----------------------------------------------------------------------------

const Symbols* Session::workingGlyph() const {
    if (!document_ || currentSet_ < 0 || currentSymbol_ < 0) return nullptr;
    const auto& sets = document_->langpack().SymbolTable;
    if (currentSet_ >= static_cast<int>(sets.size())) return nullptr;
    const auto& glyphs = sets[static_cast<std::size_t>(currentSet_)];
    if (currentSymbol_ >= static_cast<int>(glyphs.size())) return nullptr;
    return &glyphs[static_cast<std::size_t>(currentSymbol_)];
}

int Session::setHeight(int set) const {
    const TLangpack* lp = langpack();
    if (!lp || set < 0 || set >= lp->SetCount()) return 0;
    return lp->FontSetTable[static_cast<std::size_t>(set)].Height;
}

std::string Session::Title() const {
    if (!document_) return "Glyphora";
    const std::string name = Utf8FromPath(PathFromUtf8(document_->path()).filename());
    return "Glyphora - " + name + " [" + std::to_string(editor_.ZoomFactor()) + ":1]";
}

CommandInputs Session::commandInputs() const {
    CommandInputs in;
    in.langFileOpen = langFileOpen_;
    in.setShown = document_ && currentSet_ >= 0;
    in.glyphSelected = glyphSelected_;
    in.glyphShown = glyphShown();
    in.imageModified = editor_.ImageModified();
    in.langModified = langModified_;
    in.undoAvailable = editor_.UndoAvailable();
    in.zoom = editor_.ZoomFactor();
    in.zoomTop = editor_.ZoomTop();
    in.canStepBackward = CanStepBackward();
    in.canStepForward = CanStepForward();
    in.canUndoLangpack = langFileOpen_ && langpackHistory_.CanUndo();
    in.canRedoLangpack = langFileOpen_ && langpackHistory_.CanRedo();
    return in;
}

// --- settings --------------------------------------------------------------------------

void Session::LoadSettings() {
    const SettingsRead read =
        ReadSettingsFile(paths_.settingsReadPath.empty() ? paths_.settingsPath : paths_.settingsReadPath);
    if (!read.exists) {
        SaveDefaultSetup();
        return;
    }
    for (const SettingsEntry& entry : read.entries) {
        if (entry.key == SettingsEntry::Key::Language) {
            uiLanguage_ = entry.value;
        } else {
            // A later line that opens nothing keeps the name of the langpack loaded.
            previousFileName_ = currentFileName_;
            currentFileName_ = entry.value;
            OpenBinFile();
        }
    }
    if (uiLanguage_.empty()) SaveDefaultSetupLang();
    changed();
}

void Session::writeSettings(const std::string& language, const std::string& binFile) {
    // Failures are silent: the file keeps its old content or stays absent.
    (void)WriteSettingsFile(paths_.settingsPath, language, binFile);
}

void Session::SaveSetup() { writeSettings(uiLanguage_, currentFileName_); }

void Session::SaveDefaultSetup() {
    uiLanguage_ = "English";
    writeSettings("English", "");
    changed();
}

void Session::SaveDefaultSetupLang() {
    uiLanguage_ = "English";
    writeSettings("English", currentFileName_);
    changed();
}

// --- closing ----------------------------------------------------------------------------

bool Session::QustionSave() {
    if (langModified_) {
        switch (prompts_.ask("Save changed langpack?", Prompts::Icon::Warning)) {
        case Prompts::Answer::Yes:
            if (!SaveLang()) return false;
            break;
        case Prompts::Answer::No: NoEditingLang(); break;
        default: return false;
        }
    }
    editor_.FalseGoBegin();
    return true;
}

void Session::Close() {
    SaveSetup();
    langpackHistory_.clear();
}

// --- modified state ---------------------------------------------------------------------

void Session::EditingLang() {
    langModified_ = true;
    changed();
}

void Session::NoEditingLang() {
    langModified_ = false;
    changed();
}

}  // namespace glyphora
