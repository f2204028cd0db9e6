#include "RecentFiles.h"

#include <algorithm>

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

}  // namespace glyphora
