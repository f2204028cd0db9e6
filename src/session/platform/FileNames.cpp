#include "FileNames.h"

#include <SystemPaths.h>
#include <Utf8Path.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace glyphora {

std::string FolderOf(const std::string& path) {
    if (path.empty()) return {};
    return Utf8FromPath(PathFromUtf8(path).parent_path());
}

std::string WithExtension(const std::string& chosen, const std::string& extension) {
    if (chosen.find('.', FileNameStart(chosen)) != std::string::npos) return chosen;
    return chosen + extension;
}

bool IsFlashFileName(const std::string& path) {
    std::string extension = Utf8FromPath(PathFromUtf8(path).extension());
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".shx";
}

}  // namespace glyphora
