// Whole-file reads and atomic replacement of a file (temporary file in the
// same folder, flush, rename). Failures come back as text naming the file.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace glyphora {

struct FileBytes {
    bool ok = false;
    std::string error;
    std::vector<uint8_t> bytes;
};

FileBytes ReadWholeFile(const std::string& path);

// Empty on success; otherwise what went wrong. The old file is intact on failure.
std::string WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes);

}  // namespace glyphora
