// Writing a file so that a reader sees either the old file or the whole new
// one, never a part: the bytes go to a temporary file in the same folder,
// which is then renamed over the old one.
#pragma once

#include "Error.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace glyphora::runecast {

Status ReplaceFile(const std::string& path, std::span<const uint8_t> bytes);

// Removes the file; a file that is not there is no failure.
Status RemoveFileIfPresent(const std::string& path);

// The whole file, or nothing when it cannot be read or is larger than maxBytes.
std::optional<std::string> ReadSmallFile(const std::string& path, std::size_t maxBytes);

}  // namespace glyphora::runecast
