// Runs a command and prints its wall time and CPU time (user + system) in
// microseconds, and its peak resident memory in KiB:
//   shx_bench_time [-o FILE] COMMAND [ARGS...]   ->   "WALL_US CPU_US MAXRSS_KIB"
// (-o: the figures go to FILE, appended, so that the command's own output may
// be redirected).
// CPU time is what the comparison rests on when other work shares the machine;
// wall time alone would mostly measure the wait for a processor.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <chrono>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    const char* outPath = nullptr;
    if (argc > 2 && std::strcmp(argv[1], "-o") == 0) {
        outPath = argv[2];
        argc -= 2;
        argv += 2;
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: shx_bench_time [-o FILE] COMMAND [ARGS...]\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("fork");
        return 2;
    }
    if (child == 0) {
        execvp(argv[1], argv + 1);
        std::perror(argv[1]);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) < 0) {
        std::perror("wait4");
        return 2;
    }
    const auto wall = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
    const long long cpu =
        (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000LL + usage.ru_utime.tv_usec + usage.ru_stime.tv_usec;
    std::FILE* out = outPath ? std::fopen(outPath, "a") : stdout;
    if (!out) {
        std::perror(outPath);
        return 2;
    }
    std::fprintf(out, "%lld %lld %ld\n", static_cast<long long>(wall.count()), cpu, usage.ru_maxrss);
    if (out != stdout) std::fclose(out);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 2;
}
