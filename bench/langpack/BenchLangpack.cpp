// Reading and saving the large fixture (16 sets, 1000 glyphs in the main
// sets), against two baselines measured in the same run: reading the same
// file from disk into memory, and copying its bytes. Prints each time and its
// ratio to the baselines; the aim is under 5 ms for each operation.
#include <FileLayer.h>
#include "LangpackBuilder.h"
#include "LangpackReader.h"
#include "LangpackWriter.h"
#include "RecordingReporter.h"

#include <benchmark/benchmark.h>

#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using namespace glyphora;

const std::vector<uint8_t>& LargeBytes() {
    static const std::vector<uint8_t> bytes = fixtures::BuildLangpack(fixtures::LargeLangpack()).Bytes;
    return bytes;
}

const std::string& LargeFile() {
    static const std::string path = [] {
        char name[] = "/tmp/glyphora-bench-XXXXXX";
        const int fd = ::mkstemp(name);
        if (fd < 0) std::abort();
        ::close(fd);
        if (!WriteFileAtomically(name, LargeBytes())) std::abort();
        return std::string(name);
    }();
    return path;
}

void BaselineReadFile(benchmark::State& state) {
    for (auto _ : state) {
        Result<std::vector<uint8_t>> f = ReadWholeFile(LargeFile());
        benchmark::DoNotOptimize(f->data());
    }
}

void BaselineCopyBytes(benchmark::State& state) {
    const std::vector<uint8_t>& bytes = LargeBytes();
    for (auto _ : state) {
        std::vector<uint8_t> copy(bytes.size());
        std::memcpy(copy.data(), bytes.data(), bytes.size());
        benchmark::DoNotOptimize(copy.data());
    }
}

void ReadLargeLangpack(benchmark::State& state) {
    const std::vector<uint8_t>& bytes = LargeBytes();
    for (auto _ : state) {
        Result<TLangpack> r = ReadLangpack(bytes);
        if (!r)
            state.SkipWithError(r.error().message.c_str());
        else
            benchmark::DoNotOptimize(r->FontSetTable.data());
    }
}

void SaveLargeLangpack(benchmark::State& state) {
    const std::vector<uint8_t>& bytes = LargeBytes();
    Result<TLangpack> r = ReadLangpack(bytes);
    // A save leaves the model as a later save finds it, so the same model is saved each time.
    for (auto _ : state) {
        Result<std::vector<uint8_t>> saved = BuildSavedImage(*r, bytes);
        if (!saved)
            state.SkipWithError(saved.error().message.c_str());
        else
            benchmark::DoNotOptimize(saved->data());
    }
}

BENCHMARK(BaselineReadFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BaselineCopyBytes)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReadLargeLangpack)->Unit(benchmark::kMicrosecond);
BENCHMARK(SaveLargeLangpack)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    const bench::RecordingReporter reporter = bench::RunRecorded(argc, argv);
    ::unlink(LargeFile().c_str());

    const auto& t = reporter.millis;
    if (!t.count("BaselineReadFile") || !t.count("BaselineCopyBytes")) return 0;
    const double file = t.at("BaselineReadFile");
    const double copy = t.at("BaselineCopyBytes");
    std::printf("\nlarge fixture: %zu bytes\n", LargeBytes().size());
    std::printf("%-20s %10s %14s %14s %8s\n", "operation", "ms", "x read file", "x copy bytes", "< 5 ms");
    bool allFast = true;
    for (const char* name : {"BaselineReadFile", "BaselineCopyBytes", "ReadLargeLangpack", "SaveLargeLangpack"}) {
        if (!t.count(name)) continue;
        const double ms = t.at(name);
        const bool fast = ms < 5.0;
        if (std::strncmp(name, "Baseline", 8) != 0) allFast = allFast && fast;
        std::printf("%-20s %10.3f %14.1f %14.1f %8s\n", name, ms, ms / file, ms / copy, fast ? "yes" : "NO");
    }
    return allFast ? 0 : 1;
}
