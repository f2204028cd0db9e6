#include "FontCachePlace.h"

#include "FontCache.h"

#include <ProgramPlace.h>
#include <SystemPaths.h>

#include <unistd.h>

namespace glyphora::runecast {

std::string FontCachePath() {
    if (const std::string user = UserCacheFolder(); !user.empty()) return user + "/" + kCacheFileName;
    if (Result<std::string> beside = ExecutableFolder(); beside && ::access(beside->c_str(), W_OK | X_OK) == 0)
        return *beside + kCacheFileName;
    return kCacheFileName;
}

}  // namespace glyphora::runecast
