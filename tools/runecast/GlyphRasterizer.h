// Drawing characters with FreeType into 1-bit images: monochrome hinting, no
// smoothing, the pen's origin at x = 0 and the baseline at the ascent.
#pragma once

#include <MonoImage.h>
#include "Error.h"
#include "FontChoice.h"
#include "Rasterizer.h"

#include <cstdint>
#include <memory>

namespace glyphora::runecast {

// Neither side of the picture exceeds this many pixels; ink beyond is dropped.
inline constexpr int kMaxSide = 4096;

// A font file opened once for many characters (a batch draws hundreds from
// one face; opening it is most of the cost of one character).
//
// height follows the logical-font convention (negative: em size in pixels,
// positive: cell height). A scalable font is scaled to it; a bitmap font
// (PCF, BDF, OTB) uses its strike nearest to it. With fitRows > 0 the height
// is ignored: a scalable font takes the largest em size whose line (ascent
// plus descent) is at most fitRows pixels, a bitmap font its tallest strike
// within them (its shortest when none fits).
//
// The picture is the font's line height tall (ascent and descent, each
// rounded to whole pixels; for a cell height the descent takes what the
// ascent leaves) and the character's advance wide, at least 1 pixel. Ink that
// falls left of the origin, right of the advance, above the ascent or below
// the descent is clipped: the cell is what the editor stores as the glyph.
//
// A font without a glyph for the code fails with ErrorKind::Unsupported; a
// file that cannot be opened with Missing or Io; a file FreeType cannot read
// or draw with Malformed.
class OpenFace {
public:
    static Result<OpenFace> Open(const FontChoice& font);
    OpenFace(OpenFace&&) noexcept;
    OpenFace& operator=(OpenFace&&) noexcept;
    ~OpenFace();

    Result<DrawnGlyph> draw(int height, int fitRows, uint16_t code);
    const FontChoice& font() const { return font_; }

private:
    struct Library;
    OpenFace(FontChoice font, std::unique_ptr<Library> library);
    FontChoice font_;
    std::unique_ptr<Library> library_;
};

// One character from a face opened for it alone.
Result<MonoImage> RenderGlyph(const FontChoice& font, int height, uint16_t code);

}  // namespace glyphora::runecast
