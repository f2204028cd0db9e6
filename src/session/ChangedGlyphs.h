// Which glyphs the langpack in memory has changed since it was opened or last
// saved, so the grids can mark them and the sets that hold them.
#pragma once

#include <cstdint>
#include <map>
#include <set>

namespace glyphora {

class ChangedGlyphs {
public:
    void mark(int set, int glyph);
    // A new height changes every glyph of the set.
    void markSet(int set);
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
