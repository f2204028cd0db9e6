// A 1-bit image written as the BMP that Windows writes for a monochrome
// bitmap: BITMAPINFOHEADER, bottom-up rows padded to 4 bytes, two colours
// (index 0 black, index 1 white), the image's whole width.
#pragma once

#include "MonoImage.h"

#include <cstdint>
#include <vector>

namespace glyphora {

// The file's bytes. An empty image (no width or no height) has no BMP form:
// the result is then empty, and callers refuse the export with a message.
std::vector<uint8_t> WriteMonoBmp(const MonoImage& image);

}  // namespace glyphora
