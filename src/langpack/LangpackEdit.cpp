#include "LangpackEdit.h"

#include <algorithm>

namespace glyphora {

void ResizeSets(TLangpack& lp, int setIndex, int oldHeight) {
    if (setIndex < 0 || static_cast<std::size_t>(setIndex) >= lp.FontSetTable.size() ||
        static_cast<std::size_t>(setIndex) >= lp.SymbolTable.size())
        return;
    const std::size_t newHeight = lp.FontSetTable[static_cast<std::size_t>(setIndex)].Height;
    const std::size_t keptRows = static_cast<std::size_t>(std::max(oldHeight, 0));
    for (Symbols& g : lp.SymbolTable[static_cast<std::size_t>(setIndex)]) {
        const std::size_t bytesPerRow = static_cast<std::size_t>(BytesPerRow(g.Width));
        const std::size_t size = newHeight * bytesPerRow;
        // Rows below the old height are empty (0xFF in memory form), also where
        // Data was shorter than the old height said.
        const std::size_t keep = std::min({g.Data.size(), keptRows * bytesPerRow, size});
        g.Data.resize(size);
        std::fill(g.Data.begin() + static_cast<std::ptrdiff_t>(keep), g.Data.end(), uint8_t{0xFF});
    }
}

}  // namespace glyphora
