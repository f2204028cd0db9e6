#include "TempFolder.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace glyphora::testing {

TempFolder::TempFolder() {
#ifdef _WIN32
    // No mkdtemp: a random name made with create_directory, which fails on one that exists.
    std::random_device random;
    for (int attempt = 0; attempt < 100 && root_.empty(); ++attempt) {
        const auto candidate = std::filesystem::temp_directory_path() / ("glyphora-test-" + std::to_string(random()));
        if (std::filesystem::create_directory(candidate)) root_ = candidate;
    }
    if (root_.empty()) throw std::runtime_error("no temporary folder");
#else
    std::string pattern = (std::filesystem::temp_directory_path() / "glyphora-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder");
    root_ = pattern;
#endif
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::permissions(root_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(root_, ec);
}

std::vector<std::string> TempFolder::entries() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(root_)) names.push_back(e.path().filename().string());
    return names;
}

std::string TempFolder::write(const std::string& name, const std::vector<uint8_t>& bytes) const {
    const std::string p = path(name);
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return p;
}

std::string TempFolder::writeText(const std::string& name, const std::string& text) const {
    return write(name, std::vector<uint8_t>(text.begin(), text.end()));
}

std::vector<uint8_t> TempFolder::read(const std::string& p) const {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string TempFolder::readText(const std::string& p) const {
    const std::vector<uint8_t> bytes = read(p);
    return {bytes.begin(), bytes.end()};
}

}  // namespace glyphora::testing
