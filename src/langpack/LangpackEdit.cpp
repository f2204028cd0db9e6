#include "LangpackEdit.h"

#include "SetSharing.h"

#include <algorithm>

namespace glyphora {

void ResizeSets(TLangpack& lp, int setIndex, int oldHeight) {
    if (setIndex < 0 || static_cast<std::size_t>(setIndex) >= lp.FontSetTable.size() ||
        static_cast<std::size_t>(setIndex) >= lp.SymbolTable.size())
        return;
    const std::size_t newHeight = lp.FontSetTable[static_cast<std::size_t>(setIndex)].Height;
    const std::size_t keptRows = static_cast<std::size_t>(std::max(oldHeight, 0));
    for (Symbols& g : lp.glyphs(setIndex)) {
        const std::size_t bytesPerRow = static_cast<std::size_t>(BytesPerRow(g.Width));
        const std::size_t size = newHeight * bytesPerRow;
        // Rows below the old height are empty (0xFF in memory form), also where
        // Data was shorter than the old height said.
        const std::size_t keep = std::min({g.Data.size(), keptRows * bytesPerRow, size});
        g.Data.resize(size);
        std::fill(g.Data.begin() + static_cast<std::ptrdiff_t>(keep), g.Data.end(), uint8_t{0xFF});
    }
}

std::vector<int> ShareGroup(const TLangpack& lp, int setIndex) {
    const int count = static_cast<int>(std::min(lp.FontSetTable.size(), lp.SymbolTable.size()));
    if (setIndex < 0 || setIndex >= count) return {};
    if (setIndex != kGeneralSetIndex && !SharesSet2(lp, setIndex)) return {setIndex};
    std::vector<int> group;
    for (int k = kGeneralSetIndex; k < count; ++k)
        if (k == kGeneralSetIndex || SharesSet2(lp, k)) group.push_back(k);
    return group;
}

std::vector<int> StoreGlyph(TLangpack& lp, int setIndex, int glyphIndex, uint8_t width,
                            const std::vector<uint8_t>& data) {
    std::vector<int> changed;
    if (glyphIndex < 0) return changed;
    for (int k : ShareGroup(lp, setIndex)) {
        std::vector<Symbols>& glyphs = lp.glyphs(k);
        if (static_cast<std::size_t>(glyphIndex) >= glyphs.size()) continue;
        Symbols& glyph = glyphs[static_cast<std::size_t>(glyphIndex)];
        glyph.Width = width;
        glyph.Data = data;
        changed.push_back(k);
    }
    return changed;
}

std::vector<int> SetSetHeight(TLangpack& lp, int setIndex, uint16_t height) {
    std::vector<int> group = ShareGroup(lp, setIndex);
    for (int k : group) {
        TFontSetEntry& set = lp.FontSetTable[static_cast<std::size_t>(k)];
        const int oldHeight = set.Height;
        set.Height = height;
        ResizeSets(lp, k, oldHeight);
    }
    return group;
}

}  // namespace glyphora
