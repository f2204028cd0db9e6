// Start-up cost of the renderer: 200 starts drawing different characters of
// DejaVu Sans with a warm font cache, 200 starts of /bin/true (the price of a
// process at all) and 200 starts with the cache removed before each, so that
// every start asks fontconfig. The three kinds take turns in blocks, so that
// a busy machine slows them alike. Wall time and CPU time (user + system of
// the child) both; the target: a warm start costs at most 3x /bin/true.
//
//   bench_runecast [STARTS] [RENDERER]
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Cost {
    double wallUs = 0;
    double cpuUs = 0;
    int starts = 0;
    int failures = 0;
};

bool Spawn(const std::string& program, const std::vector<std::string>& args, Cost& cost) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
        ++cost.failures;
        return false;
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) < 0) {
        ++cost.failures;
        return false;
    }
    const auto wall = std::chrono::steady_clock::now() - start;
    cost.wallUs += std::chrono::duration<double, std::micro>(wall).count();
    cost.cpuUs += double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e6 + double(usage.ru_utime.tv_usec) +
                  double(usage.ru_stime.tv_usec);
    ++cost.starts;
    const bool ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (!ok) ++cost.failures;
    return ok;
}

// Printable characters DejaVu Sans has: ASCII, then Latin-1 and Latin Extended-A.
std::vector<int> Codes(int count) {
    std::vector<int> codes;
    for (int c = 0x21; c <= 0x7E && int(codes.size()) < count; ++c) codes.push_back(c);
    for (int c = 0xA1; c <= 0x17F && int(codes.size()) < count; ++c) codes.push_back(c);
    for (int i = 0; int(codes.size()) < count; ++i) codes.push_back(codes[std::size_t(i)]);
    return codes;
}

void Print(const char* name, const Cost& c) {
    std::printf("  %-22s %8.0f starts/s   %7.3f ms wall  %7.3f ms cpu per start\n", name, c.starts / (c.wallUs / 1e6),
                c.wallUs / c.starts / 1000, c.cpuUs / c.starts / 1000);
}

}  // namespace

int main(int argc, char** argv) {
    const int starts = argc > 1 ? std::atoi(argv[1]) : 200;
    const std::string renderer = argc > 2 ? argv[2] : RUNECAST_PATH;
    if (starts < 10 || access(renderer.c_str(), X_OK) != 0) {
        std::fprintf(stderr, "usage: bench_runecast [STARTS >= 10] [RENDERER]  (renderer '%s')\n", renderer.c_str());
        return 2;
    }
    char folder[] = "/tmp/glyphora-bench-runecast.XXXXXX";
    if (!mkdtemp(folder) || chdir(folder) != 0) {
        std::perror("bench_runecast: temporary folder");
        return 2;
    }
    // The renderer keeps its cache in the user's cache folder: this run's own.
    setenv("XDG_CACHE_HOME", folder, 1);
    const std::string cacheFile = std::string(folder) + "/glyphora/runecast.cache";
    const std::vector<int> codes = Codes(starts);
    auto argsFor = [](int code) {
        return std::vector<std::string>{"-16", "0", std::to_string(code), "DejaVu", "Sans"};
    };

    Cost warmUp;
    if (!Spawn(renderer, argsFor('A'), warmUp)) {
        std::fprintf(stderr, "bench_runecast: %s could not draw 'A' in DejaVu Sans\n", renderer.c_str());
        return 1;
    }
    Cost trueCost;
    Cost warm;
    Cost cold;
    constexpr int kBlock = 10;
    for (int first = 0; first < starts; first += kBlock) {
        const int last = std::min(starts, first + kBlock);
        for (int i = first; i < last; ++i) Spawn("/bin/true", argsFor(codes[std::size_t(i)]), trueCost);
        for (int i = first; i < last; ++i) Spawn(renderer, argsFor(codes[std::size_t(i)]), warm);
        for (int i = first; i < last; ++i) {
            unlink(cacheFile.c_str());
            Spawn(renderer, argsFor(codes[std::size_t(i)]), cold);
        }
    }
    unlink(cacheFile.c_str());
    rmdir((std::string(folder) + "/glyphora").c_str());
    unlink("temp.bmp");
    rmdir(folder);

    std::printf("Runecast starts, %d each, DejaVu Sans -16, characters U+0021 on\n", starts);
    Print("/bin/true", trueCost);
    Print("Runecast, warm cache", warm);
    Print("Runecast, no cache", cold);
    const double warmWall = warm.wallUs / trueCost.wallUs;
    std::printf("  warm / true   wall %.2f  cpu %.2f   (target <= 3)\n", warmWall, warm.cpuUs / trueCost.cpuUs);
    std::printf("  cold / true   wall %.2f  cpu %.2f\n", cold.wallUs / trueCost.wallUs, cold.cpuUs / trueCost.cpuUs);
    std::printf("  cold / warm   wall %.2f  cpu %.2f\n", cold.wallUs / warm.wallUs, cold.cpuUs / warm.cpuUs);
    if (warm.failures + cold.failures > 0) {
        std::printf("  FAILED: %d renderer starts did not write temp.bmp\n", warm.failures + cold.failures);
        return 1;
    }
    if (warmWall > 3) std::printf("  MISSED: a warm start costs more than 3x /bin/true\n");
    return 0;
}
