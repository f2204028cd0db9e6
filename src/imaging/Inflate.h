// A zlib stream (RFC 1950) of deflate data (RFC 1951) read back without zlib:
// stored, fixed and dynamic Huffman blocks, the output bounded by the caller
// and the Adler-32 checksum checked. Every refusal is Malformed and says what
// is wrong; the caller adds where the stream came from.
#pragma once

#include "Error.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace glyphora {

// Refused as well when the data would grow past `maxOutput` bytes, so that a
// few bytes cannot claim gigabytes.
Result<std::vector<uint8_t>> ZlibInflate(std::span<const uint8_t> stream, std::size_t maxOutput);

}  // namespace glyphora
