#include "SetSheet.h"

#include <GlyphRows.h>

#include <algorithm>
#include <string>

namespace glyphora {

SheetLayout SetSheetLayout(const TLangpack& lp, int setIndex, int scale) {
    const std::vector<Symbols>& glyphs = lp.glyphs(setIndex);
    SheetLayout l;
    l.scale = scale;
    l.count = static_cast<int64_t>(glyphs.size());
    for (const Symbols& g : glyphs)
        l.glyphColumns = std::max<int>(l.glyphColumns, std::min<int>(g.Width, kMaxGlyphWidth));
    // A cell keeps at least one pixel each way, so a set of empty glyphs still shows its cells.
    l.glyphRows = std::max<int>(lp.FontSetTable[static_cast<std::size_t>(setIndex)].Height, 1);
    l.cellWidth = int64_t{l.glyphColumns} * scale;
    l.cellHeight = int64_t{l.glyphRows} * scale;
    l.columns = std::min<int64_t>(l.count, kSheetColumns);
    l.rows = (l.count + kSheetColumns - 1) / kSheetColumns;
    l.width = l.columns * (l.cellWidth + 1) + 1;
    l.height = l.rows * (l.cellHeight + 1) + 1;
    return l;
}

Result<SheetImage> MakeSetSheet(const TLangpack& lp, int setIndex, int scale) {
    if (scale < 1 || scale > kMaxSheetScale)
        return MakeError(ErrorKind::Usage,
                         "the scale must be 1 to " + std::to_string(kMaxSheetScale) + ", not " + std::to_string(scale));
    if (setIndex < 0 || static_cast<std::size_t>(setIndex) >= lp.FontSetTable.size() ||
        static_cast<std::size_t>(setIndex) >= lp.SymbolTable.size())
        return MakeError(ErrorKind::Usage, "there is no set " + std::to_string(setIndex + 1));
    const std::vector<Symbols>& glyphs = lp.glyphs(setIndex);
    if (glyphs.empty()) return MakeError(ErrorKind::Refused, "set " + std::to_string(setIndex + 1) + " has no glyphs");

    const SheetLayout layout = SetSheetLayout(lp, setIndex, scale);
    const int setHeight = lp.FontSetTable[static_cast<std::size_t>(setIndex)].Height;
    const int64_t width = layout.width, height = layout.height, count = layout.count;
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
        const int64_t left = layout.cellLeft(i), top = layout.cellTop(i);
        fill(left, top, layout.cellWidth, layout.cellHeight, kSheetPaper);
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
