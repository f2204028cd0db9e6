#include "CharacterRangesFeature.h"

#include "CodeRangeText.h"
#include "Session.h"

#include <algorithm>

namespace glyphora {

std::vector<CodeSpan> CharacterRangesFeature::Ranges() const {
    if (!session_.langpack() || session_.CurrentSet() < 0) return {};
    return CodeRuns(*session_.langpack(), session_.CurrentSet());
}

bool CharacterRangesFeature::apply(const std::function<Result<RangeEdit>(TLangpack&)>& edit,
                                   const std::string& nothing) {
    if (!session_.langpack() || session_.CurrentSet() < 0) return false;
    if (!session_.QuestionSaveImage()) return false;
    const Result<RangeEdit> done = Change(kTitle, session_.CurrentSet(), edit);
    if (!done) {
        session_.prompts().warning("The characters of the set cannot be changed:\n" + done.error().message + ".");
        return false;
    }
    if (done->changed == 0) {
        session_.prompts().information(nothing);
        return false;
    }
    return true;
}

Result<RangeEdit> CharacterRangesFeature::Change(const std::string& label, int set,
                                                 const std::function<Result<RangeEdit>(TLangpack&)>& edit) {
    Session::LangpackStep step = session_.beginStep(label, set);
    std::optional<Result<RangeEdit>> done;
    session_.ReplaceSets([&](TLangpack& lp) {
        done = edit(lp);
        return *done && (*done)->changed > 0 ? (*done)->sets : std::vector<int>{};
    });
    // Without an open langpack the edit never ran.
    if (!done) return MakeError(ErrorKind::Refused, "no langpack is open");
    step.commit(*done ? (*done)->changed : 0);
    return std::move(*done);
}

bool CharacterRangesFeature::AddRange(const std::string& typed, int width) {
    const Result<std::vector<uint16_t>> codes = ParseCodeList(typed);
    if (!codes) {
        session_.prompts().warning(codes.error().message);
        return false;
    }
    const int set = session_.CurrentSet();
    return apply([&](TLangpack& lp) { return AddBlankCodes(lp, set, *codes, width); },
                 "The set " + std::to_string(set + 1) + " has every character of " + typed + " already.");
}

int CharacterRangesFeature::SetNumber() const { return session_.langpack() ? session_.CurrentSet() + 1 : 0; }

bool CharacterRangesFeature::AddSpan(CodeSpan span, int width) {
    const int set = session_.CurrentSet();
    return apply([&](TLangpack& lp) { return AddBlankCodes(lp, set, span, width); },
                 "The set " + std::to_string(set + 1) + " has every character of " + CodeSpanName(span) + " already.");
}

bool CharacterRangesFeature::RemoveSpan(CodeSpan span) {
    const int set = session_.CurrentSet();
    return apply([&](TLangpack& lp) { return RemoveCodes(lp, set, span); },
                 "The set " + std::to_string(set + 1) + " has no character of " + CodeSpanName(span) + ".");
}

bool CharacterRangesFeature::RemoveGlyphs(const std::vector<int>& glyphs) {
    const int set = session_.CurrentSet();
    return apply([&](TLangpack& lp) { return glyphora::RemoveGlyphs(lp, set, glyphs); }, "No glyph was chosen.");
}

}  // namespace glyphora
