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

void ChangedGlyphs::follow(int set, const std::vector<Symbols>& before, const std::vector<Symbols>& after) {
    SetMarks& marks = sets_[set];
    ++revision_;
    if (marks.whole) return;
    std::map<uint16_t, int> beforeByCode;
    for (int k = 0; k < static_cast<int>(before.size()); ++k)
        beforeByCode.emplace(before[static_cast<std::size_t>(k)].Code, k);
    std::set<int> glyphs;
    for (int k = 0; k < static_cast<int>(after.size()); ++k) {
        const Symbols& now = after[static_cast<std::size_t>(k)];
        const auto was = beforeByCode.find(now.Code);
        // Offsets move with every layout; only the picture counts.
        const bool changed = was == beforeByCode.end() || marks.glyphs.count(was->second) > 0 ||
                             before[static_cast<std::size_t>(was->second)].Width != now.Width ||
                             before[static_cast<std::size_t>(was->second)].Data != now.Data;
        if (changed) glyphs.insert(k);
    }
    marks.glyphs = std::move(glyphs);
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
