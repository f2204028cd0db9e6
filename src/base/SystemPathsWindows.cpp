#include "SystemPaths.h"

#include "Utf8Path.h"

#include <cstdlib>

#include <filesystem>
#include <random>

namespace glyphora {

std::string_view PathSeparators() { return "/\\:"; }

bool PathsAreUtf8() { return true; }

std::string_view ExecutableSuffix() { return ".exe"; }

bool IsProgramFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(PathFromUtf8(path), ec);
}

bool SystemAllowsWriting(const std::string& /*path*/) { return true; }

// No mkdtemp here: create_directory fails on a name that is taken, so a
// random name is tried until one is new.
Result<std::string> MakePrivateFolder(const std::string& base, const std::string& stem, const std::string& user) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::filesystem::path folder =
            PathFromUtf8(base) / PathFromUtf8(stem + std::to_string(random() % 1000000000000ull));
        std::error_code ec;
        if (std::filesystem::create_directory(folder, ec)) return Utf8FromPath(folder);
    }
    return MakeError(ErrorKind::Io, "cannot make a folder for " + user + " in " + base);
}

std::string UserCacheFolder() {
    const wchar_t* local = ::_wgetenv(L"LOCALAPPDATA");
    if (!local || !*local) return {};
    const std::filesystem::path folder = std::filesystem::path(local) / L"glyphora";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!std::filesystem::is_directory(folder, ec)) return {};
    return Utf8FromPath(folder);
}

}  // namespace glyphora
