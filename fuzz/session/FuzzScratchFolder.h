// A folder of a harness's own, removed with what it holds at the end. It lies
// in /dev/shm where there is one: the harnesses write and flush files, and a
// memory file system keeps the disk from ruling the speed of a run.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace glyphora::fuzzing {

class FuzzScratchFolder {
public:
    explicit FuzzScratchFolder(const char* prefix) {
        std::error_code ec;
        const std::filesystem::path base =
            std::filesystem::is_directory("/dev/shm", ec) ? "/dev/shm" : std::filesystem::temp_directory_path();
        folder_ = (base / (std::string(prefix) + "-XXXXXX")).string();
        if (!mkdtemp(folder_.data())) {
            std::fprintf(stderr, "no scratch folder under %s\n", base.string().c_str());
            std::abort();
        }
    }
    ~FuzzScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    FuzzScratchFolder(const FuzzScratchFolder&) = delete;
    FuzzScratchFolder& operator=(const FuzzScratchFolder&) = delete;

    std::string path(const std::string& name) const { return folder_ + "/" + name; }
    // Ending in '/', as a program's folder is given.
    std::string folder() const { return folder_ + "/"; }

private:
    std::string folder_;
};

}  // namespace glyphora::fuzzing
