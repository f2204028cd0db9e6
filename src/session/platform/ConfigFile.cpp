#include "ConfigFile.h"

#include <Utf8Path.h>

#include <filesystem>

namespace glyphora {

Result<std::vector<uint8_t>> ReadConfigFile(const std::string& path, uint64_t maxBytes) {
    return ReadWholeFile(path, maxBytes);
}

bool WriteConfigFile(const std::string& path, std::span<const uint8_t> bytes, Durability durability) {
    std::error_code ec;
    const auto folder = PathFromUtf8(path).parent_path();
    if (!folder.empty()) std::filesystem::create_directories(folder, ec);
    return WriteFileAtomically(path, bytes, durability).has_value();
}

}  // namespace glyphora
