#include "LangpackHistory.h"

#include <SetSharing.h>

#include <algorithm>

namespace glyphora {

namespace {

constexpr std::size_t kStepCost = 256;
constexpr std::size_t kGlyphCost = sizeof(Symbols);

bool HasSet(const TLangpack& lp, int k) {
    return k >= 0 && static_cast<std::size_t>(k) < lp.FontSetTable.size() &&
           static_cast<std::size_t>(k) < lp.IntervalTable.size() && static_cast<std::size_t>(k) < lp.SymbolTable.size();
}

// Whether the set is still as the snapshot keeps it.
bool Unchanged(const TLangpack& lp, const SetSnapshot& snap) {
    const auto i = static_cast<std::size_t>(snap.set);
    if (!HasSet(lp, snap.set)) return false;
    return lp.FontSetTable[i] == snap.entry && SharesSet2(lp, snap.set) == snap.sharesSet2 &&
           lp.IntervalTable[i] == snap.intervals && lp.SymbolTable[i] == snap.glyphs;
}

SetSnapshot Snapshot(const TLangpack& lp, int k) {
    const auto i = static_cast<std::size_t>(k);
    return {k, lp.FontSetTable[i], lp.IntervalTable[i], lp.SymbolTable[i], SharesSet2(lp, k)};
}

void Restore(TLangpack& lp, const SetSnapshot& snap) {
    const auto i = static_cast<std::size_t>(snap.set);
    lp.FontSetTable[i] = snap.entry;
    lp.IntervalTable[i] = snap.intervals;
    lp.SymbolTable[i] = snap.glyphs;
    if (snap.set == 2) lp.Set3SharesSet2 = snap.sharesSet2;
    if (snap.set == 6) lp.Set7SharesSet2 = snap.sharesSet2;
}

}  // namespace

LangpackHistory::Step LangpackHistory::Take(std::string label, const TLangpack& lp, const std::vector<int>& sets) {
    Step step;
    step.label = std::move(label);
    for (int k : sets)
        if (HasSet(lp, k)) step.sets.push_back(Snapshot(lp, k));
    step.cost = Cost(step);
    return step;
}

std::size_t LangpackHistory::Cost(const Step& step) {
    std::size_t cost = kStepCost;
    for (const SetSnapshot& s : step.sets) {
        cost += s.intervals.size() * sizeof(TCharInterval);
        for (const Symbols& g : s.glyphs) cost += kGlyphCost + g.Data.size();
    }
    return cost;
}

void LangpackHistory::Begin(std::string label, const TLangpack& lp, const std::vector<int>& sets) {
    open_ = Take(std::move(label), lp, sets);
}

bool LangpackHistory::End(const TLangpack& lp) {
    if (!open_) return false;
    Step step = std::move(*open_);
    open_.reset();
    if (std::all_of(step.sets.begin(), step.sets.end(), [&](const SetSnapshot& s) { return Unchanged(lp, s); }))
        return false;
    for (const Step& s : forward_) bytes_ -= s.cost;
    forward_.clear();
    bytes_ += step.cost;
    back_.push_back(std::move(step));
    trim();
    return true;
}

void LangpackHistory::Abandon() { open_.reset(); }

std::vector<int> LangpackHistory::Swap(TLangpack& lp, std::deque<Step>& from, std::deque<Step>& to) {
    if (from.empty()) return {};
    Step step = std::move(from.back());
    from.pop_back();
    bytes_ -= step.cost;
    std::vector<int> sets;
    for (const SetSnapshot& s : step.sets) sets.push_back(s.set);
    Step present = Take(step.label, lp, sets);
    for (const SetSnapshot& s : step.sets)
        if (HasSet(lp, s.set)) Restore(lp, s);
    bytes_ += present.cost;
    to.push_back(std::move(present));
    trim();
    return sets;
}

std::vector<int> LangpackHistory::Undo(TLangpack& lp) { return Swap(lp, back_, forward_); }
std::vector<int> LangpackHistory::Redo(TLangpack& lp) { return Swap(lp, forward_, back_); }

void LangpackHistory::clear() {
    open_.reset();
    back_.clear();
    forward_.clear();
    bytes_ = 0;
}

// The oldest steps to undo go first, then the farthest steps to redo; the
// step next to the present always stays, however large, so the latest change
// can be taken back.
void LangpackHistory::trim() {
    while (bytes_ > cap_ && steps() > 1) {
        std::deque<Step>& steps = back_.size() > 1 ? back_ : forward_;
        bytes_ -= steps.front().cost;
        steps.pop_front();
    }
}

}  // namespace glyphora
