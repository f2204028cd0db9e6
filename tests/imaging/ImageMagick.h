// ImageMagick as the outside reference: it writes the pictures the reader
// must take and reads back what the writers give. Tests skip without it.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

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

// A fresh folder, removed with everything in it.
class ScratchDir {
public:
    ScratchDir() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() / ("glyphora-imaging-" + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

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
inline std::vector<uint8_t> Decoded(const ScratchDir& dir, const std::string& picture,
                                    const std::string& format = "RGBA") {
    const std::string raw = dir.file("decoded.raw");
    Run("convert '" + picture + "' -depth 8 " + format + ":'" + raw + "'");
    return ReadFile(raw);
}

}  // namespace glyphora::test
