// An 8-bit greyscale PNG written without a toolkit or zlib, for the sheet
// picture of a font set.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace glyphora {

// `gray` holds width * height bytes, rows top first, 0 black and 255 white.
// The file's bytes; empty when the sizes are not positive or do not match.
std::vector<uint8_t> WriteGrayPng(int width, int height, std::span<const uint8_t> gray);

}  // namespace glyphora
