#include "RecentFileOpen.h"

#include <Utf8Path.h>

#include <filesystem>

namespace glyphora {

bool RecentFileOpen::Open(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(PathFromUtf8(path), ec)) {
        session_.prompts().warning("The file " + path + " is no longer there; it was removed from the recent files.");
        return false;
    }
    session_.OpenFile(path);
    return true;
}

}  // namespace glyphora
