// Helpers shared by the parts of the glyph editor's implementation.
#pragma once

#include "Geometry.h"
#include "GlyphEditor.h"
#include "MonoImage.h"

#include <string>

namespace glyphora::editor_detail {

inline constexpr Pixel PrimaryColor = Pixel::Ink;
inline constexpr Pixel SecondaryColor = Pixel::Paper;

inline Pixel buttonColour(MouseButton b) { return b == MouseButton::Right ? SecondaryColor : PrimaryColor; }
inline Pixel opposite(Pixel p) { return p == Pixel::Ink ? Pixel::Paper : Pixel::Ink; }

// Copies the area of src onto dst at the same place.
inline void copyArea(MonoImage& dst, const MonoImage& src, PixelRect area) {
    if (area.isEmpty()) return;
    dst.draw(src.copy(area.Left, area.Top, area.width(), area.height()), area.Left, area.Top);
}

}  // namespace glyphora::editor_detail
