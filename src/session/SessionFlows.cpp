// The document flows of the session: opening a langpack or a flash file,
// saving, the questions asked on the way, choosing a set and a glyph,
// storing glyphs and set heights.
#include "FileNames.h"
#include "InterruptedSave.h"
#include "Session.h"

#include <LangpackEdit.h>

#include <Utf8Path.h>
#include <algorithm>
#include <cctype>

#include <filesystem>

namespace glyphora {

// --- opening ----------------------------------------------------------------------------

void Session::OpenFile(const std::string& path) {
    previousFileName_ = currentFileName_;
    currentFileName_ = path;
    langpackFound_ = true;
    FlashOutcome outcome;
    if (IsFlashFileName(path)) {
        langpackFound_ = false;
        outcome = extraction_.SplitSHX(path, [this](const std::string& edited) {
            const Prompts::Answer answer =
                prompts_.ask(edited +
                                 " differs from the copy in the flash file: it may hold edits. Replace it "
                                 "with the copy from the flash file?",
                             Prompts::Icon::Question, Prompts::Buttons::YesNo);
            return answer == Prompts::Answer::Yes ? shx::EditedFileChoice::Replace : shx::EditedFileChoice::Keep;
        });
        if (outcome.LangpackFound) {
            currentFileName_ = outcome.langpackPath;
            langpackFound_ = true;
        }
    }
    if (langpackFound_) {
        // The file opened is what Recent files offers again: after an
        // extraction that is the langpack written, not the flash file.
        if (OpenBinFile()) report().fileOpened(currentFileName_);
    } else {
        restorePreviousFileName();
        // The headline names the kind of fault; the extraction's own report
        // says which file and what broke.
        const std::string headline = FlashFaultHeadline(outcome, path);
        const std::string text = outcome.reason.empty() ? headline : headline + "\n" + outcome.reason;
        const bool diskFault = outcome.kind == ErrorKind::Io || outcome.kind == ErrorKind::Missing;
        prompts_.tell(text, diskFault ? Prompts::Icon::Error : Prompts::Icon::Warning);
    }
    changed();
}

void Session::OpenFromCodeGroupList(const std::string& path) {
    previousFileName_ = currentFileName_;
    currentFileName_ = path;
    // An empty cell names no file: the langpack loaded before stays.
    if (path.empty()) {
        restorePreviousFileName();
        return;
    }
    OpenBinFile();
    changed();
}

bool Session::OpenBinFile() {
    Result<LangpackDocument> loaded = LoadAfterInterruptedSave(currentFileName_, prompts_);
    if (!loaded) {
        const Error& why = loaded.error();
        // A missing file opens nothing, and its name stays (it is written back
        // to the settings); every other refusal puts the previous name back.
        if (why.kind == ErrorKind::Missing) return false;
        restorePreviousFileName();
        if (why.kind == ErrorKind::Io || why.kind == ErrorKind::Unsupported)
            prompts_.error("The file cannot be read:\n" + why.message);
        if (why.kind == ErrorKind::Malformed)
            prompts_.warning("The file is damaged and cannot be opened as a langpack:\n" + why.message);
        return false;
    }
    const bool reopening = document_ && document_->path() == currentFileName_;
    if (!mayReplaceLangpack()) {
        restorePreviousFileName();
        return false;
    }
    // Saving the open langpack just now rewrote the file read above: what is
    // shown must be what the file now holds.
    if (reopening) {
        loaded = LangpackDocument::Load(currentFileName_);
        if (!loaded) {
            restorePreviousFileName();
            prompts_.error("The file cannot be read:\n" + loaded.error().message);
            return false;
        }
    }

    currentSet_ = currentSymbol_ = -1;
    report().setShown();
    document_ = std::move(*loaded);
    langModified_ = false;
    // Steps and marks belong to the langpack they were taken in.
    history_.clear();
    langpackHistory_.clear();
    changedGlyphs_.clear();
    report().documentReplaced();
    BeginSetup();
    if (document_->langpack().SetCount() > 0) showSet(0);
    report().selectionChanged();
    changed();
    return true;
}

bool Session::mayReplaceLangpack() {
    if (!document_ || !langModified_) return true;
    return QustionSave();
}

void Session::BeginSetup() {
    editor_.ResetForOpen();
    langFileOpen_ = true;
    currentSet_ = -1;
    currentSymbol_ = -1;
    report().canvasVisibility(true);
}

// --- saving -------------------------------------------------------------------------------

bool Session::SaveLang() {
    if (!langModified_ || !document_) return true;
    editor_.FalseGoBegin();
    if (!QuestionSaveImage()) return false;
    Status saved = document_->Save();
    if (!saved && saved.error().kind == ErrorKind::Changed) {
        const std::string question =
            document_->path() + " was changed by another program since it was opened. Overwrite it?";
        if (prompts_.ask(question, Prompts::Icon::Warning, Prompts::Buttons::YesNo) != Prompts::Answer::Yes)
            return false;
        saved = document_->Save(LangpackDocument::WhenChanged::Overwrite);
    }
    if (!saved) {
        const Error& why = saved.error();
        if (why.kind == ErrorKind::Refused)
            prompts_.warning(why.message);
        else
            prompts_.error("The langpack " + document_->path() + " could not be saved:\n" + why.message +
                           "\n\nThe file was left as it was.");
        return false;
    }
    changedGlyphs_.clear();
    NoEditingLang();
    return true;
}

void Session::SaveImageCommand() {
    if (!glyphShown()) return;
    // A floating selection is part of what the canvas shows, so it is stored too.
    editor_.FalseGoBegin();
    editor_.NoEditingImage();
    StoreGlyph(currentSet_, currentSymbol_, static_cast<uint8_t>(std::clamp(editor_.GlyphWidth(), 0, 255)),
               editor_.SaveImage(setHeight(currentSet_)));
}

bool Session::QuestionSaveImage() {
    if (!editor_.ImageModified()) return true;
    switch (prompts_.ask("Save the current symbol?", Prompts::Icon::Question)) {
    case Prompts::Answer::Yes: SaveImageCommand(); return true;
    case Prompts::Answer::No:
        editor_.NoEditingImage();
        // The dropped change leaves the canvas too: it shows what is stored.
        ReloadWorkingGlyph();
        return true;
    default: return false;
    }
}

// --- choosing --------------------------------------------------------------------------------

bool Session::ChooseSet(int set) {
    if (!langFileOpen_ || !document_ || set == currentSet_) return true;
    if (set < 0 || set >= document_->langpack().SetCount()) return false;
    if (!QuestionSaveImage()) {
        report().selectionChanged();
        return false;
    }
    showSet(set);
    report().selectionChanged();
    changed();
    return true;
}

bool Session::ChooseSymbol(int glyph) {
    if (!langFileOpen_ || !document_ || currentSet_ < 0 || glyph == currentSymbol_) return true;
    const auto& glyphs = document_->langpack().glyphs(currentSet_);
    if (glyph < 0 || glyph >= static_cast<int>(glyphs.size())) return false;
    if (!QuestionSaveImage()) {
        report().selectionChanged();
        return false;
    }
    selectGlyph(glyph);
    report().selectionChanged();
    changed();
    return true;
}

void Session::showSet(int set) {
    settleStep();
    currentSet_ = set;
    currentSymbol_ = -1;
    editor_.SetGlyphHeight(setHeight(set));
    report().setShown();
    if (!document_->langpack().glyphs(set).empty()) {
        selectGlyph(0);
    } else {
        // A set without glyphs leaves nothing to edit.
        report().canvasVisibility(false);
    }
}

void Session::selectGlyph(int glyph) {
    settleStep();
    currentSymbol_ = glyph;
    const Symbols& working = *workingGlyph();
    editor_.LoadSymb(working.Width, working.Data);
    report().canvasVisibility(true);
    // The size shown is the glyph's, not the blank canvas's of the open.
    if (view_) view_->statusValue(StatusPanel::Size, editor_.GlyphWidth(), editor_.GlyphHeight());
    glyphSelected_ = true;
}

void Session::ReloadWorkingGlyph() {
    if (const Symbols* glyph = workingGlyph()) {
        editor_.LoadSymb(glyph->Width, glyph->Data);
        if (view_) view_->statusValue(StatusPanel::Size, editor_.GlyphWidth(), editor_.GlyphHeight());
    }
}

// --- storing ------------------------------------------------------------------------------------

void Session::StoreGlyph(int set, int glyph, uint8_t width, const std::vector<uint8_t>& rows) {
    if (!document_) return;
    // A glyph stored on its own is a step of the langpack-wide history too, so
    // that the history stays one line: undoing an earlier batch never drops
    // this glyph silently.
    const bool ownStep = !langpackStepOpen_;
    if (ownStep)
        langpackHistory_.Begin("Store the glyph", document_->langpack(), ShareGroup(document_->langpack(), set));
    // The copies of set 2 are saved from set 2, so they all get the glyph.
    const std::vector<int> sets = glyphora::StoreGlyph(document_->langpack(), set, glyph, width, rows);
    if (ownStep) langpackHistory_.End(document_->langpack());
    if (sets.empty()) return;
    for (int k : sets) changedGlyphs_.mark(k, glyph);
    if (ownStep) {
        EditingLang();
        report().glyphsChanged(sets, {glyph});
        return;
    }
    // The step's end tells the views and the shell state, once for the whole batch.
    langModified_ = true;
    for (int k : sets)
        if (std::find(storedInStep_.sets.begin(), storedInStep_.sets.end(), k) == storedInStep_.sets.end())
            storedInStep_.sets.push_back(k);
    storedInStep_.glyphs.push_back(glyph);
}

void Session::StoreSetHeight(int set, uint16_t height) {
    if (!document_) return;
    TLangpack& lp = document_->langpack();
    const std::vector<int> group = ShareGroup(lp, set);
    const bool working = glyphShown() && std::find(group.begin(), group.end(), currentSet_) != group.end();
    // A new height is a step of the working glyph as a width is.
    if (working) {
        editor_.FalseGoBegin();
        recordStep();
    }
    // The copies of set 2 are saved with set 2's height, so they all change.
    const std::vector<int> sets = SetSetHeight(lp, set, height);
    for (int k : sets) changedGlyphs_.markSet(k);
    if (working) editor_.SetGlyphHeight(height);
    EditingLang();
    if (working) editor_.ResizeImage();
    report().setHeightsChanged(sets);
}

}  // namespace glyphora
