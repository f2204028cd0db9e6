// The small files the programs keep for the user (Glyphora.ini, the view
// preferences). They are read at start, so only through the bounded reader:
// a FIFO or a device in their place is refused at once instead of holding the
// start for good.
#pragma once

#include <Error.h>
#include <FileLayer.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace glyphora {

// The whole file; Missing when there is none. A file larger than `maxBytes`
// is refused unread.
Result<std::vector<uint8_t>> ReadConfigFile(const std::string& path, uint64_t maxBytes);

// Replaces the file whole, making its folder first. Best effort: true when
// the file now holds `bytes`.
bool WriteConfigFile(const std::string& path, std::span<const uint8_t> bytes,
                     Durability durability = Durability::Flushed);

}  // namespace glyphora
