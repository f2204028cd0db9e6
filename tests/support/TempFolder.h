// A fresh folder for one test, removed with everything in it at the end.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace glyphora::testing {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string path(const std::string& name) const { return (root_ / name).string(); }
    const std::filesystem::path& root() const { return root_; }
    // The names of what the folder holds, in no particular order.
    std::vector<std::string> entries() const;

    std::string write(const std::string& name, const std::vector<uint8_t>& bytes) const;
    std::string writeText(const std::string& name, const std::string& text) const;
    std::vector<uint8_t> read(const std::string& path) const;
    std::string readText(const std::string& path) const;

private:
    std::filesystem::path root_;
};

}  // namespace glyphora::testing
