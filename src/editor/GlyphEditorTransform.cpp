// The transforms of the working glyph, through the same edit as the shifts.
#include "GlyphEditor.h"

#include <Langpack.h>

#include <algorithm>

namespace glyphora {

int GlyphEditor::TransformImage(GlyphTransform transform, std::optional<int> baselineRow) {
    const PixelRect area = settledArea();
    int inkLost = 0;
    if (selection_.active) {
        // Dropped where it floats, so the pixels transformed are those shown.
        const PixelRect inGlyph{std::max(area.Left, 0), std::max(area.Top, 0), std::min(area.Right, glyphWidth_),
                                std::min(area.Bottom, glyphHeight_)};
        ApplyGlyphChange([&](const MonoImage& glyph, int width, int height) {
            TransformedArea done = TransformArea(transform, glyph.copy(0, 0, width, height), inGlyph, baselineRow);
            inkLost = done.inkLost;
            return std::move(done.image);
        });
        if (inGlyph.isEmpty()) return inkLost;
        // The rectangle stays chosen, as in a paint program, so that the next
        // transform or a move takes the pixels just made.
        selection_.active = true;
        selection_.fresh = true;
        selection_.clearUnder = true;
        selection_.rect = inGlyph;
        setSelectionReadout();
        showFrame();
        reportCanvas();
        return inkLost;
    }
    const int width = glyphWidth_;
    const int widened = TransformGlyph(transform, edit_, width, glyphHeight_, baselineRow, kMaxGlyphWidth).width;
    if (widened > width) SetWidth(widened);
    ApplyGlyphChange([&](const MonoImage& glyph, int newWidth, int height) {
        // From the pixels within the old width only: the column added is the transform's.
        TransformedGlyph done = TransformGlyph(transform, glyph, width, height, baselineRow, newWidth);
        inkLost = done.inkLost;
        return done.image.copy(0, 0, newWidth, height);
    });
    return inkLost;
}

}  // namespace glyphora
