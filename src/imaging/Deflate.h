// A zlib stream (RFC 1950) of deflate data (RFC 1951), written without zlib:
// one block of the fixed Huffman codes with matches found through a small
// hash table, or stored blocks when those come out shorter. Enough for
// pictures of black and white, which shrink well.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace glyphora {

std::vector<uint8_t> ZlibCompress(std::span<const uint8_t> data);

}  // namespace glyphora
