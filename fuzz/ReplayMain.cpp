// Outside the fuzz build, a harness is linked with this main and replays every
// file of the seed folders it is given, so the tests check the regression
// seeds on every change. A harness fails by aborting, as under libFuzzer.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    std::size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(argv[i], ec)) {
            if (!entry.is_regular_file()) continue;
            std::ifstream in(entry.path(), std::ios::binary);
            const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
            ++replayed;
        }
        if (ec) {
            std::fprintf(stderr, "cannot read the seed folder %s: %s\n", argv[i], ec.message().c_str());
            return 1;
        }
    }
    std::printf("%zu seeds replayed\n", replayed);
    return replayed > 0 ? 0 : 1;
}
