#include "SetSheet.h"

#include <GlyphRows.h>

#include <algorithm>
#include <string>

namespace glyphora {

Result<SheetImage> MakeSetSheet(const TLangpack& lp, int setIndex, int scale) {
    if (scale < 1 || scale > kMaxSheetScale)
        return MakeError(ErrorKind::Usage,
                         "the scale must be 1 to " + std::to_string(kMaxSheetScale) + ", not " + std::to_string(scale));
    if (setIndex < 0 || static_cast<std::size_t>(setIndex) >= lp.FontSetTable.size() ||
        static_cast<std::size_t>(setIndex) >= lp.SymbolTable.size())
        return MakeError(ErrorKind::Usage, "there is no set " + std::to_string(setIndex + 1));
    const std::vector<Symbols>& glyphs = lp.glyphs(setIndex);
    if (glyphs.empty()) return MakeError(ErrorKind::Refused, "set " + std::to_string(setIndex + 1) + " has no glyphs");

    const int setHeight = lp.FontSetTable[static_cast<std::size_t>(setIndex)].Height;
    int widest = 0;
    for (const Symbols& g : glyphs) widest = std::max<int>(widest, std::min<int>(g.Width, kMaxGlyphWidth));
    // A cell keeps at least one pixel each way, so a set of empty glyphs still shows its cells.
    const int64_t cellWidth = int64_t{std::max(widest, 1)} * scale;
    const int64_t cellHeight = int64_t{std::max(setHeight, 1)} * scale;
    const int64_t count = static_cast<int64_t>(glyphs.size());
    const int64_t columns = std::min<int64_t>(count, kSheetColumns);
    const int64_t rows = (count + kSheetColumns - 1) / kSheetColumns;
    const int64_t width = columns * (cellWidth + 1) + 1;
    const int64_t height = rows * (cellHeight + 1) + 1;
    if (width > kMaxSheetSide || height > kMaxSheetSide || width * height > kMaxSheetPixels)
        return MakeError(ErrorKind::Refused, "a sheet of set " + std::to_string(setIndex + 1) + " at scale " +
                                                 std::to_string(scale) + " would be " + std::to_string(width) + " x " +
                                                 std::to_string(height) + " pixels; the limit is " +
                                                 std::to_string(kMaxSheetSide) + " each way");

    SheetImage sheet{static_cast<int>(width), static_cast<int>(height),
                     std::vector<uint8_t>(static_cast<std::size_t>(width * height), kSheetGrid)};
    const auto fill = [&](int64_t left, int64_t top, int64_t w, int64_t h, uint8_t value) {
        for (int64_t y = top; y < top + h; ++y)
            std::fill_n(sheet.gray.begin() + static_cast<std::ptrdiff_t>(y * width + left), w, value);
    };
    for (int64_t i = 0; i < count; ++i) {
        const Symbols& g = glyphs[static_cast<std::size_t>(i)];
        const int64_t left = (i % kSheetColumns) * (cellWidth + 1) + 1;
        const int64_t top = (i / kSheetColumns) * (cellHeight + 1) + 1;
        fill(left, top, cellWidth, cellHeight, kSheetPaper);
        const int glyphWidth = std::min<int>(g.Width, kMaxGlyphWidth);
        const MonoImage image = GlyphRowsToImage(g.Data, g.Width, setHeight);
        for (int y = 0; y < setHeight; ++y)
            for (int x = 0; x < glyphWidth; ++x)
                if (image.isInk(x, y))
                    fill(left + int64_t{x} * scale, top + int64_t{y} * scale, scale, scale, kSheetInk);
    }
    return sheet;
}

}  // namespace glyphora
