// The run-length coded pixel data of a BMP (RLE8 and RLE4), decoded into
// colour-table indices of a cropped area.
#pragma once

#include "Error.h"

#include <cstdint>
#include <span>
#include <vector>

namespace glyphora::bmp {

struct RleTarget {
    int bitsPerPixel = 8;  // 8 for RLE8, 4 for RLE4
    int width = 0;         // of the whole picture
    int height = 0;
    bool topDown = false;
    int cropWidth = 0;  // the indices kept: the top-left cropWidth x cropHeight
    int cropHeight = 0;
};

// Decodes the whole stream (so a fault anywhere is found whatever the crop)
// and writes the indices of the cropped pixels into `indices`, cropWidth per
// row, top row first. Pixels the stream skips keep what `indices` held.
Status DecodeRle(std::span<const uint8_t> data, const RleTarget& target, std::vector<uint8_t>& indices);

}  // namespace glyphora::bmp
