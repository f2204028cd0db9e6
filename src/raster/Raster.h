// Drawing primitives at glyph resolution. Everything is clipped to the image.
// Each primitive first gathers the pixels it covers and then paints each of
// them once, so a not-xor drawing repeated over the same place always restores
// the image exactly.
#pragma once

#include "Geometry.h"
#include "MonoImage.h"

#include <optional>

namespace glyphora {

enum class PenMode {
    Copy,    // the pixel takes the pen's colour
    NotXor,  // the pixel becomes NOT(colour XOR pixel): ink inverts, paper changes nothing
};

struct Pen {
    Pixel colour = Pixel::Ink;
    PenMode mode = PenMode::Copy;
};

void PaintPixel(MonoImage& image, int x, int y, Pen pen);

// A straight line from `from` towards `to` that stops one pixel short of `to`;
// a line from a pixel to itself draws nothing.
void DrawLine(MonoImage& image, PixelPoint from, PixelPoint to, Pen pen);

void FillRect(MonoImage& image, PixelRect rect, Pixel colour);

// The outline is the rectangle's border pixels; the interior, when given a
// pen, the pixels inside them.
void DrawRectangle(MonoImage& image, PixelRect rect, Pen outline, std::optional<Pen> interior = std::nullopt);

// An ellipse inscribed in the rectangle, its outline one pixel wide.
void DrawEllipse(MonoImage& image, PixelRect rect, Pen outline, std::optional<Pen> interior = std::nullopt);

// Surface fill: the 4-connected area of pixels equal to the one at `start`
// takes `colour`.
void FloodFill(MonoImage& image, PixelPoint start, Pixel colour);

// The dotted selection frame: every other border pixel of the rectangle,
// counted from its top-left corner, is inverted. Drawing it again removes it.
void DrawFocusFrame(MonoImage& image, PixelRect rect);

}  // namespace glyphora
