// File -> "Recent files": the langpack and flash files last opened, newest
// first, and the open of one of them through the ordinary Open-file flow.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace glyphora {

class Session;

inline constexpr std::size_t kRecentFileCount = 8;

// `path` goes to the front; an older entry of it goes, and the list keeps
// at most `limit` entries.
std::vector<std::string> WithRecentFile(std::vector<std::string> list, const std::string& path,
                                        std::size_t limit = kRecentFileCount);
std::vector<std::string> WithoutRecentFile(std::vector<std::string> list, const std::string& path);

// Opens a recent file as "Open file" would (its questions, a flash file
// extracted). A file that is gone is reported and false is returned: the
// caller drops it from the list.
bool OpenRecentFile(Session& session, const std::string& path);

}  // namespace glyphora
