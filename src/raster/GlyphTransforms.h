// The glyph transforms of Edit -> "Transform": pure functions over a glyph's
// image and width (or over a rectangle of any image, for a floating
// selection), giving the new pixels, the new width and how much ink fell off.
// Images are in the form GlyphRowsToImage gives (8 x ceil(width / 8) pixels
// wide); a transformed glyph has paper beyond its width, as after a commit.
#pragma once

#include "Geometry.h"
#include "MonoImage.h"

#include <optional>
#include <span>
#include <string_view>

namespace glyphora {

enum class GlyphTransform { FlipHorizontal, FlipVertical, Rotate180, Invert, ShiftUp, ShiftDown, Bold, Oblique };

struct GlyphTransformInfo {
    GlyphTransform transform;
    std::string_view toolName;  // glyphora-tool transform --op
    std::string_view caption;   // the menu's words
};

// Every transform, in the order of the menu.
std::span<const GlyphTransformInfo> GlyphTransformTable();
const GlyphTransformInfo& DescribeTransform(GlyphTransform transform);
std::optional<GlyphTransform> TransformByToolName(std::string_view toolName);

struct TransformedGlyph {
    MonoImage image;  // GlyphImageWidth(width) x height, paper beyond the width
    int width = 0;
    int inkLost = 0;  // ink pixels that left the glyph's box
};

// `baselineRow` is the set's baseline guide (0-based, the row letters stand
// on); without one, or with one outside the glyph, the oblique leans about
// the last row. Bold widens by one column up to `maxWidth` when ink touches
// the right edge; no other transform changes the width.
TransformedGlyph TransformGlyph(GlyphTransform transform, const MonoImage& image, int width, int height,
                                std::optional<int> baselineRow = std::nullopt, int maxWidth = 15);

struct TransformedArea {
    MonoImage image;  // the whole image, the rectangle transformed
    int inkLost = 0;
};

// The same inside `rect` (clipped to the image), which acts as a glyph of its
// own size: nothing outside it changes, bold never widens it, and the
// baseline (in the image's rows) counts only when it falls inside it.
TransformedArea TransformArea(GlyphTransform transform, const MonoImage& image, PixelRect rect,
                              std::optional<int> baselineRow = std::nullopt);

}  // namespace glyphora
