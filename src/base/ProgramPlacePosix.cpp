#include "ProgramPlace.h"

#include <filesystem>

namespace glyphora {

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

Result<std::string> ExecutableFolder() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return MakeError(ErrorKind::Missing, "cannot tell where this program lies (" + ec.message() + ")");
    return self.parent_path().string() + "/";
}

}  // namespace glyphora
