// "Characters of the set…" without its window: the ranges of the current set,
// and adding or removing characters as one step of the langpack-wide history.
// A refusal (a limit of the file form, a copy of set No. 2, a reversed range)
// is shown as a warning and changes nothing.
#pragma once

#include <CharacterRanges.h>

#include <string>
#include <vector>

namespace glyphora {

class Session;

class CharacterRangesFeature {
public:
    static constexpr const char* kTitle = "Characters of the set";

    explicit CharacterRangesFeature(Session& session) : session_(session) {}

    // The runs of codes of the current set, ascending (nothing without a set).
    std::vector<CodeSpan> Ranges() const;

    // The 1-based number of the set the feature edits; 0 without a langpack.
    int SetNumber() const;

    // The typed characters ("U+0410–U+044F", "А–я, Ё, ё", "Russian") as blank
    // glyphs of this width; codes the set has are skipped. True when the set changed.
    bool AddRange(const std::string& typed, int width);
    bool AddSpan(CodeSpan span, int width);
    bool RemoveSpan(CodeSpan span);
    // Glyph indices of the current set, as chosen in the glyph grid.
    bool RemoveGlyphs(const std::vector<int>& glyphs);

    // The characters of set `set` changed as one step of the langpack-wide
    // history: `edit` gets the model (use EditSetGlyphs or the functions built
    // on it, which leave the model as it was when they refuse). On success the
    // sets are shown anew, the langpack counts as changed and the working glyph
    // is the one with the same code, when the set still has it. A refusal is
    // returned, not shown.
    Result<RangeEdit> Change(const std::string& label, int set,
                             const std::function<Result<RangeEdit>(TLangpack&)>& edit);

private:
    bool apply(const std::function<Result<RangeEdit>(TLangpack&)>& edit, const std::string& nothing);
    Session& session_;
};

}  // namespace glyphora
