// A picture of 8-bit channels, four bytes a pixel in the order R, G, B, A
// (alpha not premultiplied, 255 opaque), rows top first with no padding.
#pragma once

#include <cstdint>
#include <vector>

namespace glyphora {

struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;  // width * height * 4 bytes
};

}  // namespace glyphora
