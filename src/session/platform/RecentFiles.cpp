#include "RecentFiles.h"

#include "Session.h"

#include <Utf8Path.h>
#include <algorithm>

#include <filesystem>

namespace glyphora {

std::vector<std::string> WithRecentFile(std::vector<std::string> list, const std::string& path, std::size_t limit) {
    list = WithoutRecentFile(std::move(list), path);
    list.insert(list.begin(), path);
    if (list.size() > limit) list.resize(limit);
    return list;
}

std::vector<std::string> WithoutRecentFile(std::vector<std::string> list, const std::string& path) {
    list.erase(std::remove(list.begin(), list.end(), path), list.end());
    return list;
}

bool OpenRecentFile(Session& session, const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(PathFromUtf8(path), ec)) {
        session.prompts().warning("The file " + path + " is no longer there; it was removed from the recent files.");
        return false;
    }
    session.OpenFile(path);
    return true;
}

}  // namespace glyphora
