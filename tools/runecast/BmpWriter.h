// The renderer's output format: a Windows bitmap with 1 bit per pixel.
#pragma once

#include "InkMap.h"

#include <cstdint>
#include <vector>

namespace glyphora::runecast {

// The whole file: BITMAPFILEHEADER, BITMAPINFOHEADER, a two-entry colour
// table (index 0 black, index 1 white), then the rows bottom-up, each padded
// to 4 bytes, most significant bit leftmost. Ink is index 0; the padding
// holds paper so that a reader that ignores the width sees no stray ink.
std::vector<uint8_t> EncodeMonoBmp(const InkMap& image);

}  // namespace glyphora::runecast
