// PNG pictures read into RGBA without a toolkit or zlib: every colour type
// and bit depth of the format, non-interlaced, with a palette's or a colour
// key's transparency. Each chunk's CRC and the data's Adler-32 are checked,
// and the picture's size is bounded before anything is decoded. Every
// refusal is an Error (Malformed, Unsupported, or Refused for a picture past
// the size limit) whose message says what is wrong; the caller adds the file
// name.
#pragma once

#include "Error.h"
#include "RgbaImage.h"

#include <cstdint>
#include <span>

namespace glyphora {

// 64 Mi pixels: the largest set sheet, far above any glyph picture.
inline constexpr int64_t kMaxPngPixels = int64_t{1} << 26;

Result<RgbaImage> ReadPng(std::span<const uint8_t> file, int64_t maxPixels = kMaxPngPixels);

}  // namespace glyphora
