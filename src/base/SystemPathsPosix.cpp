#include "SystemPaths.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
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

}  // namespace glyphora
