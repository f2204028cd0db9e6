// The kernel of the editor without its windows: which langpack is current,
// whether it is open and changed, which set and glyph are chosen, the
// histories, and the flows that guard them (open, save, close, "Save the
// current symbol?", storing a glyph, a set's height or whole sets, the
// settings file). Every command is a class in features/ built on it. The main
// window owns one Session; it asks the user through Prompts and reports
// through SessionObserver, so every flow runs in tests without a display.
#pragma once

#include "ChangedGlyphs.h"
#include "CommandAvailability.h"
#include "FlashExtraction.h"
#include "LangpackHistory.h"
#include "Prompts.h"
#include "SessionObserver.h"
#include "UiStrings.h"

#include <CharacterRanges.h>
#include <GlyphEditor.h>
#include <GlyphHistory.h>
#include <LangpackDocument.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace glyphora {

class LanguageHost;

struct SessionPaths {
    std::string programDir;    // the executable's folder, ending in '/'
    std::string settingsPath;  // Glyphora.ini, where it is written
    // Where it is read at start; empty: settingsPath.
    std::string settingsReadPath;
};

class Session {
public:
    Session(SessionPaths paths, Prompts& prompts, FlashExtraction& extraction);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    void setObserver(SessionObserver* observer) { observer_ = observer; }
    // Where the editor's pictures go: the canvas, the status panels, the
    // clipboard, the tool palette. The session keeps the state-changing calls.
    void setEditorView(EditorHost* view) { view_ = view; }
    // The observer, or one that ignores everything before the window sets one.
    SessionObserver& report() const;

    // --- shell state --------------------------------------------------------------
    const SessionPaths& paths() const { return paths_; }
    Prompts& prompts() { return prompts_; }
    const std::string& CurrentFileName() const { return currentFileName_; }
    const std::string& PreviousFileName() const { return previousFileName_; }
    bool LangFileOpen() const { return langFileOpen_; }
    bool LangModified() const { return langModified_; }
    int CurrentSet() const { return currentSet_; }
    int CurrentSymbol() const { return currentSymbol_; }

    GlyphEditor& editor() { return editor_; }
    const GlyphEditor& editor() const { return editor_; }
    const LangpackDocument* document() const { return document_ ? &*document_ : nullptr; }
    const TLangpack* langpack() const { return document_ ? &document_->langpack() : nullptr; }
    // The glyph the editor works on, when one is shown.
    const Symbols* workingGlyph() const;
    bool glyphShown() const { return workingGlyph() != nullptr; }
    int setHeight(int set) const;

    // "Glyphora" or "Glyphora - lang.smg [4:1]".
    std::string Title() const;
    CommandInputs commandInputs() const;

    // --- start and close ----------------------------------------------------------
    // Reads the settings file; every BINFile= line opens its langpack at once.
    void LoadSettings();
    // Asked before the window closes: false keeps it open.
    bool QustionSave();
    // The window closes: the settings are written.
    void Close();

    // --- interface language -------------------------------------------------------
    // The texts of the secondary windows and the status-bar prefixes.
    const UiStrings& uiStrings() const { return uiStrings_; }
    const std::string& UILanguage() const { return uiLanguage_; }
    // What the language commands fill and ask.
    LanguageHost& languageHost();

    // --- document flows -----------------------------------------------------------
    // The Open-file flow for a chosen path: a flash file is extracted first.
    void OpenFile(const std::string& path);
    // A row chosen in the code-group list.
    void OpenFromCodeGroupList(const std::string& path);
    // SaveLang: true when the file was written (or there was nothing to write).
    bool SaveLang();
    // "Save Image": the working glyph into the model.
    void SaveImageCommand();
    // "Save the current symbol?": true when the caller may go on.
    bool QuestionSaveImage();

    // The user picks a set or a glyph; false when "Save the current symbol?"
    // was cancelled (the choice is refused and the grids go back).
    bool ChooseSet(int set);
    bool ChooseSymbol(int glyph);

    // --- the histories ------------------------------------------------------------
    // Each glyph keeps its own steps while the langpack stays open, under the
    // key of its set's share group.
    GlyphHistory& history() { return history_; }
    std::optional<GlyphKey> workingKey() const;

    // The langpack-wide history: a command that changes many glyphs or whole
    // sets is one step of its own. It begins the step before it changes set
    // `set` (the sets saved as one with it are kept too) and ends it with the
    // number of glyphs it changed: a step that left its sets as they were goes
    // (glyphs stored as they were change nothing), and more than one glyph
    // changed is reported as "N glyphs changed" in the status bar.
    //   LangpackStep step = session.beginStep("Set height", set);
    //   ... changes ...
    //   step.commit(glyphsChanged);
    // A command that leaves early, or throws, still ends its step: what it
    // changed by then stays one step that Undo takes back, and a step that
    // changed nothing is none, so no step is ever left open.
    class LangpackStep {
    public:
        LangpackStep(LangpackStep&& other) noexcept : session_(std::exchange(other.session_, nullptr)) {}
        LangpackStep(const LangpackStep&) = delete;
        LangpackStep& operator=(const LangpackStep&) = delete;
        LangpackStep& operator=(LangpackStep&&) = delete;
        ~LangpackStep() {
            if (session_) session_->EndLangpackStep(std::nullopt);
        }
        // "N glyphs changed" is told when more than one changed.
        void commit(int glyphsChanged) {
            if (session_) std::exchange(session_, nullptr)->EndLangpackStep(glyphsChanged);
        }

    private:
        friend class Session;
        explicit LangpackStep(Session* session) : session_(session) {}
        Session* session_;
    };
    [[nodiscard]] LangpackStep beginStep(const std::string& label, int set);
    LangpackHistory& langpackHistory() { return langpackHistory_; }

    // Glyphs stored or resized since the langpack was opened or last saved.
    const ChangedGlyphs& changedGlyphs() const { return changedGlyphs_; }

    // --- storing ----------------------------------------------------------------------
    // Stores a glyph's width and rows (memory form) as glyph `glyph` of the set
    // and of every set saved with it, marks the langpack changed and reports
    // the rows; within a LangpackStep the glyphs are reported together when
    // the step ends, so a batch repaints once. The editor is not touched: a
    // caller that replaces the working glyph loads it again when it is done.
    void StoreGlyph(int set, int glyph, uint8_t width, const std::vector<uint8_t>& rows);
    // The height of set `set` and of every set saved with it; the working
    // glyph, kept as a step first, is resized when its set is among them.
    void StoreSetHeight(int set, uint16_t height);
    // Whole sets change (their characters, glyph count or height): the working
    // glyph is left first, `change` changes the model and names the sets it
    // changed; grids, marks and the working glyph follow (the glyph of the
    // same code, when the set still has it), and the steps of glyphs whose
    // characters moved go. Returns the sets changed.
    std::vector<int> ReplaceSets(const std::function<std::vector<int>(TLangpack&)>& change);
    void EditingLang();
    void NoEditingLang();
    // The editor shows the working glyph as the model holds it (after a
    // change of the model that did not come from the editor).
    void ReloadWorkingGlyph();

private:
    class EditorRelay;
    class LanguageRelay;

    // True when the langpack was read and is now the current one.
    bool OpenBinFile();
    void restorePreviousFileName() { currentFileName_ = previousFileName_; }
    bool mayReplaceLangpack();
    void BeginSetup();
    void showSet(int set);
    void selectGlyph(int glyph);
    void writeSettings(const std::string& language, const std::string& binFile);
    void SaveSetup();
    void SaveDefaultSetup();
    void SaveDefaultSetupLang();
    void changed();
    bool CanStepBackward() const;
    bool CanStepForward() const;
    // The editor is about to change the working glyph: its state is a step.
    void recordStep();
    // Ends the open step; a glyph count tells how many changed.
    void EndLangpackStep(std::optional<int> glyphsChanged);
    // The working glyph is about to be left: its last snapshot is a step only if it changed.
    void settleStep();
    // Whole sets changed (characters, glyph count or height): grids, marks
    // and the working glyph follow; `code` picks the glyph shown when it is still there.
    void setsReplaced(const std::vector<int>& sets, std::optional<uint16_t> code);
    GlyphState workingState() const;

    SessionPaths paths_;
    Prompts& prompts_;
    FlashExtraction& extraction_;
    SessionObserver* observer_ = nullptr;
    EditorHost* view_ = nullptr;
    std::unique_ptr<EditorRelay> relay_;
    std::unique_ptr<LanguageRelay> languageRelay_;
    GlyphEditor editor_;
    std::optional<LangpackDocument> document_;
    GlyphHistory history_;
    LangpackHistory langpackHistory_;
    bool langpackStepOpen_ = false;
    // Stored while the step is open, reported when it ends.
    struct StoredInStep {
        std::vector<int> sets;
        std::vector<int> glyphs;
    };
    StoredInStep storedInStep_;
    ChangedGlyphs changedGlyphs_;

    std::string currentFileName_;
    std::string previousFileName_;
    bool langpackFound_ = false;
    bool langFileOpen_ = false;
    std::string uiLanguage_;
    UiStrings uiStrings_;
    bool langModified_ = false;
    bool glyphSelected_ = false;
    int currentSet_ = -1;
    int currentSymbol_ = -1;
};

}  // namespace glyphora
