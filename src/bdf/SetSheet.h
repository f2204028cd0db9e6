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

// Usage for a scale outside 1..kMaxSheetScale or a set the langpack does not
// have; Refused for a set without glyphs or a picture beyond the limits above.
Result<SheetImage> MakeSetSheet(const TLangpack& lp, int setIndex, int scale = kDefaultSheetScale);

}  // namespace glyphora
