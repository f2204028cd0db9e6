#include "LangpackCopy.h"

#include "CharacterRangesFeature.h"
#include "Session.h"

#include <GlyphRows.h>
#include <SetMatching.h>

#include <algorithm>
#include <map>

namespace glyphora {

int CopyPreview::changing() const {
    return static_cast<int>(std::count_if(items.begin(), items.end(), [](const CopyItem& i) { return i.changes; }));
}

int CopyPreview::inkCut() const {
    return static_cast<int>(std::count_if(items.begin(), items.end(), [](const CopyItem& i) { return i.inkCut; }));
}

CopyPreview LangpackCopy::Preview(const TLangpack& source, const CopyOptions& options) const {
    CopyPreview out;
    const TLangpack* target = session_.langpack();
    const int set = session_.CurrentSet();
    if (!target || set < 0 || options.sourceSet < 0 ||
        static_cast<std::size_t>(options.sourceSet) >= source.FontSetTable.size())
        return out;
    const int fromHeight = source.FontSetTable[static_cast<std::size_t>(options.sourceSet)].Height;
    const int toHeight = session_.setHeight(set);
    const SetMatch match = MatchSets(source, options.sourceSet, *target, set, options.range);
    const std::vector<Symbols>& from = source.glyphs(options.sourceSet);
    auto item = [&](const Symbols& s, const Symbols* t) {
        const AlignedRows aligned =
            AlignRows(s.Data, s.Width, fromHeight, toHeight, options.sourceBaseline, options.targetBaseline);
        CopyItem i;
        i.code = s.Code;
        i.added = t == nullptr;
        i.width = s.Width;
        i.rows = aligned.rows;
        i.inkCut = aligned.inkCut;
        if (t) {
            i.oldWidth = t->Width;
            i.oldRows = t->Data;
        }
        i.changes = !t || t->Width != i.width || t->Data != i.rows;
        return i;
    };
    std::map<uint16_t, CopyItem> byCode;
    for (const CodeMatch& m : match.both)
        byCode.emplace(m.code, item(from[static_cast<std::size_t>(m.sourceIndex)],
                                    &target->glyphs(set)[static_cast<std::size_t>(m.targetIndex)]));
    out.copied = static_cast<int>(match.both.size());
    if (options.addMissing) {
        std::map<uint16_t, int> firstOfCode;
        for (std::size_t k = 0; k < from.size(); ++k) firstOfCode.emplace(from[k].Code, static_cast<int>(k));
        for (uint16_t code : match.onlySource)
            byCode.emplace(code, item(from[static_cast<std::size_t>(firstOfCode.at(code))], nullptr));
        out.added = static_cast<int>(match.onlySource.size());
    } else {
        out.skipped = static_cast<int>(match.onlySource.size());
    }
    for (auto& [code, i] : byCode) out.items.push_back(std::move(i));
    return out;
}

Result<CopyPreview> LangpackCopy::Apply(const TLangpack& source, const CopyOptions& options) {
    Session& s = session_;
    CopyPreview plan = Preview(source, options);
    const int set = s.CurrentSet();
    if (!s.langpack() || set < 0) return MakeError(ErrorKind::Refused, "no langpack is open");
    if (plan.changing() == 0) return plan;
    if (plan.added > 0) {
        const Result<RangeEdit> done = CharacterRangesFeature(s).Change(kTitle, set, [&](TLangpack& lp) {
            return EditSetGlyphs(lp, set, [&](TLangpack& copy) -> Result<RangeEdit> {
                std::vector<Symbols>& glyphs = copy.glyphs(set);
                std::map<uint16_t, std::size_t> at;
                for (std::size_t k = 0; k < glyphs.size(); ++k) at.emplace(glyphs[k].Code, k);
                RangeEdit edit;
                for (const CopyItem& i : plan.items) {
                    if (!i.changes) continue;
                    ++edit.changed;
                    if (i.added) {
                        Symbols g;
                        g.Code = i.code;
                        g.Width = i.width;
                        g.Data = i.rows;
                        glyphs.push_back(std::move(g));
                        continue;
                    }
                    Symbols& g = glyphs[at.at(i.code)];
                    g.Width = i.width;
                    g.Data = i.rows;
                }
                return edit;
            });
        });
        if (!done)
            return MakeError(done.error().kind, "the " + std::to_string(plan.added) + " characters that set " +
                                                    std::to_string(set + 1) +
                                                    " lacks cannot be added: " + done.error().message);
        return plan;
    }
    std::map<uint16_t, int> indexOf;
    const std::vector<Symbols>& glyphs = s.langpack()->glyphs(set);
    for (std::size_t k = 0; k < glyphs.size(); ++k) indexOf.emplace(glyphs[k].Code, static_cast<int>(k));
    Session::LangpackStep step = s.beginStep(kTitle, set);
    for (const CopyItem& i : plan.items)
        if (i.changes) s.StoreGlyph(set, indexOf.at(i.code), i.width, i.rows);
    s.ReloadWorkingGlyph();
    step.commit(plan.changing());
    return plan;
}

}  // namespace glyphora
