#include "LangpackComparison.h"

#include "Session.h"

#include <SetMatching.h>

#include <map>

namespace glyphora {

namespace {

// Stored bits beyond the width are no difference a user can see.
constexpr unsigned kSeen = kWidthDiffers | kInkDiffers;

int HeightOf(const TLangpack& lp, int set) {
    return static_cast<std::size_t>(set) < lp.FontSetTable.size()
               ? lp.FontSetTable[static_cast<std::size_t>(set)].Height
               : 0;
}

}  // namespace

void LangpackComparison::open(OtherLangpack other) {
    other_ = std::move(other);
    refreshAll();
}

void LangpackComparison::close() {
    other_.reset();
    sets_.clear();
    summary_ = {};
    ++revision_;
}

bool LangpackComparison::glyphDiffers(int set, int glyph) const {
    if (set < 0 || static_cast<std::size_t>(set) >= sets_.size()) return false;
    const std::vector<bool>& marks = sets_[static_cast<std::size_t>(set)].glyphs;
    return glyph >= 0 && static_cast<std::size_t>(glyph) < marks.size() && marks[static_cast<std::size_t>(glyph)];
}

bool LangpackComparison::setDiffers(int set) const {
    if (set < 0 || static_cast<std::size_t>(set) >= sets_.size()) return false;
    const SetMarks& m = sets_[static_cast<std::size_t>(set)];
    return m.differing + m.onlyHere + m.onlyThere > 0;
}

std::optional<std::pair<int, int>> LangpackComparison::next(int set, int glyph) const {
    const int sets = static_cast<int>(sets_.size());
    if (sets == 0) return std::nullopt;
    if (set < 0 || set >= sets) set = 0, glyph = -1;
    // Every set once, the starting one twice: its glyphs before `glyph` come last.
    for (int step = 0; step <= sets; ++step) {
        const int k = (set + step) % sets;
        const std::vector<bool>& marks = sets_[static_cast<std::size_t>(k)].glyphs;
        const int from = step == 0 ? glyph + 1 : 0;
        const int to = step == sets ? glyph + 1 : static_cast<int>(marks.size());
        for (int g = std::max(from, 0); g < std::min(to, static_cast<int>(marks.size())); ++g)
            if (marks[static_cast<std::size_t>(g)]) return std::pair{k, g};
    }
    return std::nullopt;
}

void LangpackComparison::glyphsChanged(const std::vector<int>& sets, const std::vector<int>& glyphs) {
    for (int set : sets) markGlyphs(set, glyphs);
    count();
}

void LangpackComparison::markGlyphs(int set, const std::vector<int>& glyphs) {
    const TLangpack* lp = session_.langpack();
    if (!other_ || !lp || set < 0 || static_cast<std::size_t>(set) >= sets_.size()) return;
    // A glyph's code stays, so only its own mark can move.
    const std::vector<Symbols>& mine = lp->glyphs(set);
    std::map<uint16_t, const Symbols*> theirs;
    if (static_cast<std::size_t>(set) < other_->langpack.SymbolTable.size())
        for (const Symbols& g : other_->langpack.glyphs(set)) theirs.emplace(g.Code, &g);
    SetMarks& marks = sets_[static_cast<std::size_t>(set)];
    for (int g : glyphs) {
        if (g < 0 || static_cast<std::size_t>(g) >= mine.size() || static_cast<std::size_t>(g) >= marks.glyphs.size())
            continue;
        const Symbols& here = mine[static_cast<std::size_t>(g)];
        const auto there = theirs.find(here.Code);
        if (there == theirs.end()) continue;
        const bool differs =
            (CompareGlyphs(here, HeightOf(*lp, set), *there->second, HeightOf(other_->langpack, set)) & kSeen) != 0;
        if (marks.glyphs[static_cast<std::size_t>(g)] == differs) continue;
        marks.glyphs[static_cast<std::size_t>(g)] = differs;
        marks.differing += differs ? 1 : -1;
    }
}

void LangpackComparison::setHeightsChanged(const std::vector<int>& sets) {
    if (!other_) return;
    // Characters added or removed may grow the langpack's sets.
    if (const TLangpack* lp = session_.langpack(); lp && lp->SymbolTable.size() != sets_.size()) return refreshAll();
    for (int set : sets) refreshSet(set);
    count();
}

void LangpackComparison::refreshAll() {
    const TLangpack* lp = session_.langpack();
    sets_.clear();
    if (other_ && lp) {
        sets_.resize(lp->SymbolTable.size());
        for (int set = 0; set < static_cast<int>(sets_.size()); ++set) refreshSet(set);
    }
    count();
}

void LangpackComparison::refreshSet(int set) {
    const TLangpack* lp = session_.langpack();
    if (!other_ || !lp || set < 0 || static_cast<std::size_t>(set) >= sets_.size()) return;
    const SetMatch match = MatchSets(other_->langpack, set, *lp, set);
    SetMarks marks;
    const std::vector<Symbols>& mine = lp->glyphs(set);
    marks.glyphs.assign(mine.size(), false);
    for (const CodeMatch& m : match.both)
        if (m.differences & kSeen) {
            marks.glyphs[static_cast<std::size_t>(m.targetIndex)] = true;
            ++marks.differing;
        }
    // Every glyph of a code the other set lacks, also a second of one code.
    std::map<uint16_t, bool> lacking;
    for (uint16_t code : match.onlyTarget) lacking.emplace(code, true);
    for (std::size_t g = 0; g < mine.size(); ++g)
        if (lacking.contains(mine[g].Code)) {
            marks.glyphs[g] = true;
            ++marks.onlyHere;
        }
    marks.onlyThere = static_cast<int>(match.onlySource.size());
    sets_[static_cast<std::size_t>(set)] = std::move(marks);
}

void LangpackComparison::count() {
    summary_ = {};
    for (const SetMarks& m : sets_) {
        summary_.differing += m.differing;
        summary_.onlyHere += m.onlyHere;
        summary_.onlyThere += m.onlyThere;
    }
    ++revision_;
}

}  // namespace glyphora
