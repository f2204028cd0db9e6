// The one rule by which a picture of any colours becomes ink and paper, shared
// by the clipboard, the imported files and the rendered text.
#pragma once

#include "MonoImage.h"
#include "RgbaImage.h"

#include <cstdint>

namespace glyphora {

// True when a colour, laid over white paper by its alpha, is nearer to black
// than to white. Luminance weighs red, green and blue 11 : 16 : 5 (in 32nds,
// the weights of Qt's qGray, so the clipboard's rule and ours agree).
constexpr bool IsInk(uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
    const int grey = (r * 11 + g * 16 + b * 5) / 32;
    const int overWhite = (grey * a + 255 * (255 - a)) / 255;
    return overWhite < 128;
}

// Each pixel to ink or paper by IsInk. A picture whose rgba does not hold
// width * height pixels gives an empty image.
MonoImage ReduceToMono(const RgbaImage& image);

}  // namespace glyphora
