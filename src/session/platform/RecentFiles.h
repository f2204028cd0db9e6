// File -> "Recent files": the langpack and flash files last opened, newest
// first.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace glyphora {

inline constexpr std::size_t kRecentFileCount = 8;

// `path` goes to the front; an older entry of it goes, and the list keeps
// at most `limit` entries.
std::vector<std::string> WithRecentFile(std::vector<std::string> list, const std::string& path,
                                        std::size_t limit = kRecentFileCount);
std::vector<std::string> WithoutRecentFile(std::vector<std::string> list, const std::string& path);

}  // namespace glyphora
