#include "SystemPaths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace glyphora {

std::string_view PathSeparators() { return "/"; }

bool PathsAreUtf8() { return false; }

std::string_view ExecutableSuffix() { return ""; }

bool IsProgramFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec) && ::access(path.c_str(), X_OK) == 0;
}

bool SystemAllowsWriting(const std::string& path) { return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0; }

Result<std::string> MakePrivateFolder(const std::string& base, const std::string& stem, const std::string& user) {
    std::string pattern = (std::filesystem::path(base) / (stem + "XXXXXX")).string();
    if (::mkdtemp(pattern.data())) return pattern;
    return MakeError(ErrorKind::Io, "cannot make a folder for " + user + " in " + base + ": " + std::strerror(errno));
}

std::string UserCacheFolder() {
    std::string folder;
    // A relative XDG_CACHE_HOME is to be ignored, as if it were not set.
    if (const char* xdg = std::getenv("XDG_CACHE_HOME"); xdg && xdg[0] == '/')
        folder = std::string(xdg) + "/glyphora";
    else if (const char* home = std::getenv("HOME"); home && home[0] == '/')
        folder = std::string(home) + "/.cache/glyphora";
    else
        return {};
    if (::access(folder.c_str(), W_OK | X_OK) == 0) return folder;
    const std::string::size_type slash = folder.find_last_of('/');
    if (slash > 0) (void)::mkdir(folder.substr(0, slash).c_str(), 0700);
    return ::mkdir(folder.c_str(), 0700) == 0 ? folder : std::string();
}

}  // namespace glyphora
