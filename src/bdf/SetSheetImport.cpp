#include "SetSheetImport.h"

#include <GlyphRows.h>

#include <algorithm>
#include <string>

namespace glyphora {

namespace {

// Grey nearer to black than to white is ink; between the grid's grey and
// paper's white lies the grid.
bool IsInkGrey(uint8_t v) { return v < 128; }
bool IsGridGrey(uint8_t v) { return v >= 128 && v < (kSheetGrid + kSheetPaper + 1) / 2; }

struct FoundGrid {
    int64_t columns = 0, rows = 0, cellWidth = 0, cellHeight = 0;
};

class GridFinder {
public:
    explicit GridFinder(const SheetImage& s) : s_(s) {}

    // Row 0 and column 0 are grid lines, the first row of cells and the first
    // column of cells are always filled, so the lines across them are the
    // cell edges; three quarters of a line's pixels suffice, so that a stray
    // stroke over the grid does not hide it.
    std::optional<FoundGrid> find() const {
        std::optional<int> firstRowLine;
        for (int y = 1; y < s_.height && !firstRowLine; ++y)
            if (RowIsLine(y, 0, s_.width)) firstRowLine = y;
        if (!firstRowLine || *firstRowLine < 2) return std::nullopt;
        std::vector<int> columnLines;
        for (int x = 0; x < s_.width; ++x)
            if (ColumnIsLine(x, 1, *firstRowLine)) columnLines.push_back(x);
        if (columnLines.size() < 2) return std::nullopt;
        std::vector<int> rowLines;
        for (int y = 0; y < s_.height; ++y)
            if (RowIsLine(y, 1, columnLines[1])) rowLines.push_back(y);
        const std::optional<int> pitchX = Pitch(columnLines, s_.width), pitchY = Pitch(rowLines, s_.height);
        if (!pitchX || !pitchY) return std::nullopt;
        return FoundGrid{static_cast<int64_t>(columnLines.size()) - 1, static_cast<int64_t>(rowLines.size()) - 1,
                         *pitchX - 1, *pitchY - 1};
    }

private:
    uint8_t at(int x, int y) const { return s_.gray[static_cast<std::size_t>(y) * s_.width + x]; }
    bool RowIsLine(int y, int x0, int x1) const {
        int n = 0;
        for (int x = x0; x < x1; ++x) n += IsGridGrey(at(x, y)) ? 1 : 0;
        return x1 > x0 && 4 * n >= 3 * (x1 - x0);
    }
    bool ColumnIsLine(int x, int y0, int y1) const {
        int n = 0;
        for (int y = y0; y < y1; ++y) n += IsGridGrey(at(x, y)) ? 1 : 0;
        return y1 > y0 && 4 * n >= 3 * (y1 - y0);
    }
    // Lines from the first pixel to the last at one spacing of at least 2.
    static std::optional<int> Pitch(const std::vector<int>& lines, int size) {
        if (lines.size() < 2 || lines.front() != 0 || lines.back() != size - 1) return std::nullopt;
        const int pitch = lines[1] - lines[0];
        for (std::size_t i = 1; i < lines.size(); ++i)
            if (lines[i] - lines[i - 1] != pitch) return std::nullopt;
        return pitch >= 2 ? std::optional<int>(pitch) : std::nullopt;
    }
    const SheetImage& s_;
};

// The scale at which the found grid is the set's layout.
std::optional<int> ScaleOfGrid(const FoundGrid& g, const SheetLayout& one) {
    if (g.columns != one.columns || g.rows != one.rows || g.cellWidth % one.glyphColumns != 0 ||
        g.cellHeight % one.glyphRows != 0)
        return std::nullopt;
    const int64_t s = g.cellWidth / one.glyphColumns;
    if (s != g.cellHeight / one.glyphRows || s < 1 || s > kMaxSheetScale) return std::nullopt;
    return static_cast<int>(s);
}

std::string Size(int64_t w, int64_t h) { return std::to_string(w) + " x " + std::to_string(h); }

Error Mismatch(const TLangpack& lp, int setIndex, const SheetImage& sheet, const std::optional<FoundGrid>& grid,
               int expectedScale) {
    const SheetLayout e = SetSheetLayout(lp, setIndex, expectedScale);
    std::string found = grid ? "holds " + Size(grid->columns, grid->rows) + " cells of " +
                                   Size(grid->cellWidth, grid->cellHeight) + " pixels"
                             : "has no grid that can be found";
    return MakeError(ErrorKind::Refused,
                     "the picture is not a sheet of set " + std::to_string(setIndex + 1) + ": that set has " +
                         Size(e.columns, e.rows) + " cells of " + Size(e.glyphColumns, e.glyphRows) +
                         " glyph pixels (at scale " + std::to_string(expectedScale) + ": cells of " +
                         Size(e.cellWidth, e.cellHeight) + " pixels, " + Size(e.width, e.height) +
                         " in all); the picture is " + Size(sheet.width, sheet.height) + " pixels and " + found);
}

Result<int> SheetScale(const TLangpack& lp, int setIndex, const SheetImage& sheet, std::optional<int> scale) {
    const std::optional<FoundGrid> grid = GridFinder(sheet).find();
    const SheetLayout one = SetSheetLayout(lp, setIndex, 1);
    if (grid) {
        const std::optional<int> s = ScaleOfGrid(*grid, one);
        if (s && (!scale || *s == *scale)) return *s;
    } else {
        for (int s = scale.value_or(1); s <= scale.value_or(kMaxSheetScale); ++s) {
            const SheetLayout l = SetSheetLayout(lp, setIndex, s);
            if (l.width == sheet.width && l.height == sheet.height) return s;
        }
    }
    int expected = scale.value_or(kDefaultSheetScale);
    if (!scale && grid && grid->cellHeight >= one.glyphRows)
        expected =
            static_cast<int>(std::min<int64_t>((grid->cellHeight + one.glyphRows / 2) / one.glyphRows, kMaxSheetScale));
    return Mismatch(lp, setIndex, sheet, grid, expected);
}

}  // namespace

Result<SheetImport> ReadSetSheet(const TLangpack& lp, int setIndex, const SheetImage& sheet, std::optional<int> scale) {
    if (scale && (*scale < 1 || *scale > kMaxSheetScale))
        return MakeError(ErrorKind::Usage, "the scale must be 1 to " + std::to_string(kMaxSheetScale) + ", not " +
                                               std::to_string(*scale));
    if (setIndex < 0 || static_cast<std::size_t>(setIndex) >= lp.FontSetTable.size() ||
        static_cast<std::size_t>(setIndex) >= lp.SymbolTable.size())
        return MakeError(ErrorKind::Usage, "there is no set " + std::to_string(setIndex + 1));
    const std::vector<Symbols>& glyphs = lp.glyphs(setIndex);
    if (glyphs.empty()) return MakeError(ErrorKind::Refused, "set " + std::to_string(setIndex + 1) + " has no glyphs");
    if (sheet.width <= 0 || sheet.height <= 0 ||
        sheet.gray.size() != static_cast<std::size_t>(sheet.width) * static_cast<std::size_t>(sheet.height))
        return MakeError(ErrorKind::Malformed,
                         "the picture's grey does not hold its " + Size(sheet.width, sheet.height) + " pixels");

    const Result<int> found = SheetScale(lp, setIndex, sheet, scale);
    if (!found) return found.error();
    const SheetLayout layout = SetSheetLayout(lp, setIndex, *found);
    const int s = *found, height = lp.FontSetTable[static_cast<std::size_t>(setIndex)].Height;
    const auto inkAt = [&](int64_t left, int64_t top) {
        int64_t n = 0;
        for (int64_t y = top; y < top + s; ++y)
            for (int64_t x = left; x < left + s; ++x)
                n += IsInkGrey(sheet.gray[static_cast<std::size_t>(y * sheet.width + x)]) ? 1 : 0;
        return 2 * n > int64_t{s} * s;
    };

    SheetImport out;
    out.scale = s;
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        const Symbols& g = glyphs[i];
        const int width = std::min<int>(g.Width, kMaxGlyphWidth);
        const int64_t left = layout.cellLeft(static_cast<int64_t>(i)), top = layout.cellTop(static_cast<int64_t>(i));
        MonoImage image = GlyphRowsToImage(g.Data, g.Width, height);
        bool beyond = false;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < layout.glyphColumns; ++x) {
                const bool ink = inkAt(left + int64_t{x} * s, top + int64_t{y} * s);
                if (x < width)
                    image.setPixel(x, y, ink ? Pixel::Ink : Pixel::Paper);
                else
                    beyond = beyond || ink;
            }
        if (beyond) out.inkBeyondWidth.push_back(g.Code);
        out.rows.push_back(GlyphImageToRows(image, g.Width, height));
        if (out.rows.back() != g.Data) out.changed.push_back(static_cast<int>(i));
    }
    return out;
}

}  // namespace glyphora
