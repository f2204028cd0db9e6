// The one rule by which a picture of any colours becomes ink and paper, shared
// by the clipboard, the imported files and the rendered text.
#pragma once

#include "MonoImage.h"
#include "RgbaImage.h"

#include <cstdint>
#include <vector>

namespace glyphora {

// The grey of a colour laid over white paper by its alpha, 0 black to 255
// white. Luminance weighs red, green and blue 11 : 16 : 5 (in 32nds, the
// weights of Qt's qGray, so the clipboard's rule and ours agree).
constexpr int GreyOverWhite(uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
    const int grey = (r * 11 + g * 16 + b * 5) / 32;
    return (grey * a + 255 * (255 - a)) / 255;
}
// True when that grey is nearer to black than to white.
constexpr bool IsInk(uint8_t r, uint8_t g, uint8_t b, uint8_t a) { return GreyOverWhite(r, g, b, a) < 128; }

// Each pixel to ink or paper by IsInk. A picture whose rgba does not hold
// width * height pixels gives an empty image.
MonoImage ReduceToMono(const RgbaImage& image);

// Each pixel's GreyOverWhite, width * height bytes, rows top first: the form
// of a set sheet. Empty for a picture whose rgba does not hold its pixels.
std::vector<uint8_t> GreyOverWhite(const RgbaImage& image);

}  // namespace glyphora
