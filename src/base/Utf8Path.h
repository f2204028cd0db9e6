// std::filesystem::path from and to the UTF-8 texts the program keeps every
// path in. On Windows the library takes a narrow text in the C runtime's
// code page, not UTF-8, so a Cyrillic folder name would name another folder;
// char8_t texts are UTF-8 everywhere. Elsewhere both are the identity.
#pragma once

#include <filesystem>
#include <string>

namespace glyphora {

inline std::filesystem::path PathFromUtf8(const std::string& text) {
#ifdef _WIN32
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
#else
    return std::filesystem::path(text);
#endif
}

inline std::string Utf8FromPath(const std::filesystem::path& path) {
#ifdef _WIN32
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
#else
    return path.string();
#endif
}

}  // namespace glyphora
