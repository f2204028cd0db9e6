// ImageMagick as the outside reference: it writes the pictures the reader
// must take and reads back what the writers give. Tests skip without it.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "TempFolder.h"

namespace glyphora::test {

#define GLYPHORA_NEED_IMAGEMAGICK()                                                               \
    do {                                                                                          \
        if (!::glyphora::test::HaveImageMagick())                                                 \
            GTEST_SKIP() << "imagemagick is not installed (its convert and identify are needed)"; \
    } while (0)

inline bool HaveImageMagick() {
    static const bool have =
        std::system("command -v convert >/dev/null 2>&1 && command -v identify >/dev/null 2>&1") == 0;
    return have;
}

inline std::vector<uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Runs a shell command; its standard output, or the failure recorded.
inline std::string Run(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen((command + " 2>&1").c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
        if (pclose(pipe) != 0) ADD_FAILURE() << command << "\n" << out;
    }
    return out;
}

// A picture file's pixels as ImageMagick decodes them: R, G, B, A bytes
// (or one grey byte with format "GRAY").
inline std::vector<uint8_t> Decoded(const ::glyphora::testing::TempFolder& dir, const std::string& picture,
                                    const std::string& format = "RGBA") {
    const std::string raw = dir.path("decoded.raw");
    Run("convert '" + picture + "' -depth 8 " + format + ":'" + raw + "'");
    return ReadFile(raw);
}

}  // namespace glyphora::test
