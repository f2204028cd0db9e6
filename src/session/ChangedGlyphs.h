// Which glyphs the langpack in memory has changed since it was opened or last
// saved, so the grids can mark them and the sets that hold them.
#pragma once

#include <Langpack.h>

#include <cstdint>
#include <map>
#include <set>
#include <vector>

namespace glyphora {

class ChangedGlyphs {
public:
    void mark(int set, int glyph);
    // A new height changes every glyph of the set.
    void markSet(int set);
    // The set's glyphs were replaced (characters added or removed, a step
    // undone), so indices may name other glyphs now: the set is marked, and of
    // its glyphs those that are new, differ from the glyph of their code
    // before, or were marked before. A set marked whole stays so.
    void follow(int set, const std::vector<Symbols>& before, const std::vector<Symbols>& after);
    void clear();

    bool glyphChanged(int set, int glyph) const;
    bool setChanged(int set) const;
    bool empty() const { return sets_.empty(); }
    // Grows with every change of the marks, so a view repaints only when they moved.
    uint64_t revision() const { return revision_; }

private:
    struct SetMarks {
        bool whole = false;
        std::set<int> glyphs;
    };
    std::map<int, SetMarks> sets_;
    uint64_t revision_ = 0;
};

}  // namespace glyphora
