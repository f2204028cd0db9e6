// A picture of a whole set for sharing: its glyphs in rows of 16, each in a
// cell as high as the set and as wide as its widest glyph, framed by a light
// grid one pixel wide, every glyph pixel drawn as a square of `scale` pixels.
#pragma once

#include "Error.h"
#include "Langpack.h"

#include <cstdint>
#include <vector>

namespace glyphora {

inline constexpr int kSheetColumns = 16;
inline constexpr int kDefaultSheetScale = 4;
inline constexpr int kMaxSheetScale = 64;
inline constexpr int kMaxSheetSide = 16384;                   // pixels each way
inline constexpr int64_t kMaxSheetPixels = int64_t{1} << 26;  // 64 MiB of grey

inline constexpr uint8_t kSheetInk = 0;
inline constexpr uint8_t kSheetPaper = 255;
inline constexpr uint8_t kSheetGrid = 200;

// 8-bit grey, rows top to bottom, `width` bytes each.
struct SheetImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> gray;
};

// Where a set's sheet puts its cells: the columns and rows of cells, each
// cell `glyphColumns` x `glyphRows` glyph pixels (the widest glyph and the
// set's height, at least 1 each) drawn `scale` times as large, with a grid
// line before each and after the last.
struct SheetLayout {
    int scale = 1;
    int64_t count = 0;  // glyphs
    int64_t columns = 0, rows = 0;
    int glyphColumns = 1, glyphRows = 1;
    int64_t cellWidth = 0, cellHeight = 0;
    int64_t width = 0, height = 0;
    int64_t cellLeft(int64_t glyph) const { return (glyph % kSheetColumns) * (cellWidth + 1) + 1; }
    int64_t cellTop(int64_t glyph) const { return (glyph / kSheetColumns) * (cellHeight + 1) + 1; }
};

// For a set the langpack has; no limit is checked.
SheetLayout SetSheetLayout(const TLangpack& lp, int setIndex, int scale);

// Usage for a scale outside 1..kMaxSheetScale or a set the langpack does not
// have; Refused for a set without glyphs or a picture beyond the limits above.
Result<SheetImage> MakeSetSheet(const TLangpack& lp, int setIndex, int scale = kDefaultSheetScale);

}  // namespace glyphora
