// The langpack-wide history: the commands that change many glyphs or a whole
// set ("Replace the chosen symbols", "Optimize the chosen symbols on width",
// "Import BDF into set", a set's new height, the characters of a set) are
// each one step that Undo and Redo of langpack changes walk. It sits beside
// the per-glyph step history (GlyphHistory), which keeps the edits of the
// working glyph.
//
// A glyph stored on its own ("Save Image" and the other one-glyph commands)
// is a step too, so that the history stays one line: undoing an earlier batch
// never drops a later edit silently, it is undone first.
//
// A step keeps whole set records: the set entry (height, counts, offsets),
// its intervals, its glyphs and whether it shares set No. 2's data.
//
//   history.Begin("Replace the chosen symbols", lp, {1, 2});  // before the change
//   ... change sets 2 and 3 of lp ...
//   history.End(lp);    // a step only when the sets differ from what Begin saw
//   history.Undo(lp);   // the sets as they were; the changed ones kept for Redo
//   history.Redo(lp);
//
// A step that changed something drops the steps that were undone (a new
// branch begins). One that left its sets as they were is no step at all: an
// Undo that does nothing would only cost the user a keystroke and the Redo
// steps. A command refused half-way calls Abandon instead of End. The
// steps are capped by bytes (their glyph rows plus a fixed cost each); the
// oldest go first. The history is cleared whenever another langpack is opened
// or the open one is closed: its steps belong to the langpack they were taken
// in. A save does not clear it (the steps still describe memory).
#pragma once

#include <Langpack.h>

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace glyphora {

// One set as a step keeps it.
struct SetSnapshot {
    int set = -1;  // 0-based
    TFontSetEntry entry;
    std::vector<TCharInterval> intervals;
    std::vector<Symbols> glyphs;
    bool sharesSet2 = false;
};

class LangpackHistory {
public:
    static constexpr std::size_t kDefaultByteCap = std::size_t{16} << 20;

    explicit LangpackHistory(std::size_t byteCap = kDefaultByteCap) : cap_(byteCap) {}

    // The sets (0-based; those the langpack lacks are left out) are about to
    // change. Nothing may be undone or redone before the End or Abandon.
    void Begin(std::string label, const TLangpack& lp, const std::vector<int>& sets);
    // The change begun last is over: it becomes a step when its sets now
    // differ from what Begin saw. Returns whether it did.
    bool End(const TLangpack& lp);
    // The change begun last is not made: it is forgotten.
    void Abandon();

    bool CanUndo() const { return !back_.empty(); }
    bool CanRedo() const { return !forward_.empty(); }
    // The label of the step Undo (Redo) would take back (put again), or "".
    std::string UndoLabel() const { return back_.empty() ? std::string() : back_.back().label; }
    std::string RedoLabel() const { return forward_.empty() ? std::string() : forward_.back().label; }

    // Swaps the sets of the last step into `lp`, keeping their present state
    // for the way back. Returns the sets changed (empty: nothing to do).
    std::vector<int> Undo(TLangpack& lp);
    std::vector<int> Redo(TLangpack& lp);

    void clear();
    std::size_t bytes() const { return bytes_; }
    std::size_t steps() const { return back_.size() + forward_.size(); }

private:
    struct Step {
        std::string label;
        std::vector<SetSnapshot> sets;
        std::size_t cost = 0;
    };

    static Step Take(std::string label, const TLangpack& lp, const std::vector<int>& sets);
    static std::size_t Cost(const Step& step);
    std::vector<int> Swap(TLangpack& lp, std::deque<Step>& from, std::deque<Step>& to);
    void trim();

    std::optional<Step> open_;  // begun, not yet ended
    std::deque<Step> back_;     // oldest first
    std::deque<Step> forward_;  // the next step to redo last
    std::size_t cap_;
    std::size_t bytes_ = 0;
};

}  // namespace glyphora
