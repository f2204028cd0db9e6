#include "FileNames.h"

#include <Utf8Path.h>

#include <filesystem>

namespace glyphora {

namespace {

#ifdef _WIN32
constexpr const char* kPathSeparators = "/\\:";
#else
constexpr const char* kPathSeparators = "/";
#endif

}  // namespace

std::string FolderOf(const std::string& path) {
    if (path.empty()) return {};
    return Utf8FromPath(PathFromUtf8(path).parent_path());
}

std::string WithExtension(const std::string& chosen, const std::string& extension) {
    const std::size_t separator = chosen.find_last_of(kPathSeparators);
    const std::size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
    if (chosen.find('.', nameStart) != std::string::npos) return chosen;
    return chosen + extension;
}

}  // namespace glyphora
