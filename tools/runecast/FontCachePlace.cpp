#include "FontCachePlace.h"

#include "FontCache.h"

#include <ProgramPlace.h>

#include <sys/stat.h>
#include <unistd.h>
#include <cstdlib>

namespace glyphora::runecast {

namespace {

std::string UserCacheFolder() {
    // A relative XDG_CACHE_HOME is to be ignored, as if it were not set.
    if (const char* xdg = std::getenv("XDG_CACHE_HOME"); xdg && xdg[0] == '/') return std::string(xdg) + "/glyphora";
    if (const char* home = std::getenv("HOME"); home && home[0] == '/') return std::string(home) + "/.cache/glyphora";
    return {};
}

// The folder, made when missing (its parent too), when this user may write it.
bool Writable(const std::string& folder) {
    if (folder.empty()) return false;
    if (::access(folder.c_str(), W_OK | X_OK) == 0) return true;
    const std::string::size_type slash = folder.find_last_of('/');
    if (slash != std::string::npos && slash > 0) (void)::mkdir(folder.substr(0, slash).c_str(), 0700);
    return ::mkdir(folder.c_str(), 0700) == 0;
}

}  // namespace

std::string FontCachePath() {
    if (const std::string user = UserCacheFolder(); Writable(user)) return user + "/" + kCacheFileName;
    if (Result<std::string> beside = ExecutableFolder(); beside && Writable(*beside)) return *beside + kCacheFileName;
    return kCacheFileName;
}

}  // namespace glyphora::runecast
