#include "ChangedGlyphs.h"

namespace glyphora {

void ChangedGlyphs::mark(int set, int glyph) {
    SetMarks& marks = sets_[set];
    if (marks.whole || !marks.glyphs.insert(glyph).second) return;
    ++revision_;
}

void ChangedGlyphs::markSet(int set) {
    SetMarks& marks = sets_[set];
    if (marks.whole) return;
    marks.whole = true;
    marks.glyphs.clear();
    ++revision_;
}

void ChangedGlyphs::clear() {
    if (sets_.empty()) return;
    sets_.clear();
    ++revision_;
}

bool ChangedGlyphs::glyphChanged(int set, int glyph) const {
    const auto at = sets_.find(set);
    return at != sets_.end() && (at->second.whole || at->second.glyphs.count(glyph) > 0);
}

bool ChangedGlyphs::setChanged(int set) const { return sets_.count(set) > 0; }

}  // namespace glyphora
