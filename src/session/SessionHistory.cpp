// The histories the session keeps: the steps of the working glyph beside the
// one-level Undo (the editor reports every point where it takes its undo
// snapshot, and every width change; the glyph's state then is one step), and
// the langpack-wide history of multi-glyph changes.
#include "Session.h"

#include "CharacterCode.h"

#include <LangpackEdit.h>

#include <algorithm>
#include <utility>

namespace glyphora {

// The sets saved as one share their glyphs, so they share their steps too.
std::optional<GlyphKey> Session::workingKey() const {
    if (!glyphShown()) return std::nullopt;
    const std::vector<int> group = ShareGroup(*langpack(), currentSet_);
    return GlyphKey{group.empty() ? currentSet_ : group.front(), currentSymbol_};
}

GlyphState Session::workingState() const { return {editor_.EditImage(), editor_.GlyphWidth()}; }

void Session::recordStep() {
    if (const auto key = workingKey()) history_.record(*key, workingState());
}

void Session::settleStep() {
    if (const auto key = workingKey()) history_.settle(*key, workingState());
}

bool Session::CanStepBackward() const {
    const auto key = workingKey();
    return key && history_.canStepBackward(*key, workingState());
}

bool Session::CanStepForward() const {
    const auto key = workingKey();
    return key && history_.canStepForward(*key, workingState());
}

}  // namespace glyphora

// --- the langpack-wide history ----------------------------------------------------------

namespace glyphora {

namespace {

bool SameCodes(const TLangpack& a, const TLangpack& b, int set) {
    const auto& x = a.glyphs(set);
    const auto& y = b.glyphs(set);
    return std::equal(x.begin(), x.end(), y.begin(), y.end(),
                      [](const Symbols& g, const Symbols& h) { return g.Code == h.Code; });
}

}  // namespace

Session::LangpackStep Session::beginStep(const std::string& label, int set) {
    // Within a step already open a command's changes belong to that step.
    if (!document_ || langpackStepOpen_) return LangpackStep(nullptr);
    langpackHistory_.Begin(label, document_->langpack(), ShareGroup(document_->langpack(), set));
    langpackStepOpen_ = true;
    return LangpackStep(this);
}

void Session::EndLangpackStep(std::optional<int> glyphsChanged) {
    if (!langpackStepOpen_) return;
    langpackStepOpen_ = false;
    const bool anyChange = langpackHistory_.End(document_->langpack());
    StoredInStep stored = std::exchange(storedInStep_, {});
    if (!stored.glyphs.empty()) {
        std::sort(stored.glyphs.begin(), stored.glyphs.end());
        stored.glyphs.erase(std::unique(stored.glyphs.begin(), stored.glyphs.end()), stored.glyphs.end());
        std::sort(stored.sets.begin(), stored.sets.end());
        report().glyphsChanged(stored.sets, stored.glyphs);
    }
    if (anyChange && glyphsChanged.value_or(0) > 1)
        report().statusMessage(std::to_string(*glyphsChanged) + " glyphs changed");
    changed();
}

void Session::setsReplaced(const std::vector<int>& sets, std::optional<uint16_t> code) {
    report().setsReplaced(sets);
    if (std::find(sets.begin(), sets.end(), currentSet_) != sets.end()) {
        const auto& glyphs = document_->langpack().glyphs(currentSet_);
        int glyph = code ? FindGlyph(glyphs, *code) : -1;
        if (glyph < 0) glyph = std::min(currentSymbol_, static_cast<int>(glyphs.size()) - 1);
        editor_.SetGlyphHeight(setHeight(currentSet_));
        if (glyph >= 0) {
            currentSymbol_ = glyph;
            ReloadWorkingGlyph();
            report().canvasVisibility(true);
        } else {
            currentSymbol_ = -1;
            report().canvasVisibility(false);
        }
        report().selectionChanged();
    }
    EditingLang();
}

std::vector<int> Session::ReplaceSets(const std::function<std::vector<int>(TLangpack&)>& change) {
    if (!document_ || !langFileOpen_) return {};
    editor_.FalseGoBegin();
    settleStep();
    const std::optional<uint16_t> code = workingGlyph() ? std::optional<uint16_t>(workingGlyph()->Code) : std::nullopt;
    TLangpack& lp = document_->langpack();
    const TLangpack before = lp;
    std::vector<int> sets = change(lp);
    if (sets.empty()) return sets;
    // Glyph indices name other glyphs once the characters moved: their steps go.
    for (int k : sets)
        if (!SameCodes(before, lp, k)) history_.forgetSet(ShareGroup(lp, k).front());
    for (int k : sets) changedGlyphs_.follow(k, before.glyphs(k), lp.glyphs(k));
    setsReplaced(sets, code);
    return sets;
}

}  // namespace glyphora
