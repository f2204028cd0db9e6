// Drawing 300 glyphs of DejaVu Sans, in one run:
//   tool       `glyphora-tool render --fit` over them (one renderer start, the batch mode)
//   batch      the same batch in this process (RenderGlyphs, BatchRenderer)
//   per glyph  the fallback every renderer understands: one start per glyph
//   /bin/true  300 starts of /bin/true through the same call, the price of a process at all
// The kinds take turns in blocks, so that a busy machine slows them alike.
// Printed: the time of each and the ratios; the target: the per-glyph
// fallback takes at least 10x the tool's time.
//
//   bench_generate [GLYPHS]
#include <GlyphRendering.h>
#include <LangpackBuilder.h>
#include <LangpackEdit.h>
#include <LangpackReader.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace glyphora;
using Clock = std::chrono::steady_clock;

struct Cost {
    double wall = 0;
    int glyphs = 0;
    int replaced = 0;
};

void Run(TLangpack& lp, int glyphs, GlyphRenderer& renderer, Cost& cost) {
    GenerateOptions options;
    options.font.name = "DejaVu Sans";
    options.fit = true;
    options.placement.height = lp.FontSetTable[1].Height;
    const auto start = Clock::now();
    const BatchResult result = RenderGlyphs(
        lp.SymbolTable[1], RangeIndices({0, glyphs - 1}, glyphs), options, renderer,
        [&lp](int glyph, uint8_t width, const std::vector<uint8_t>& rows) { StoreGlyph(lp, 1, glyph, width, rows); });
    cost.wall += std::chrono::duration<double>(Clock::now() - start).count();
    cost.glyphs += result.done;
    cost.replaced += result.changed;
}

// glyphora-tool render over the glyphs, as a user runs it.
bool RunTool(const std::string& file, int glyphs, Cost& cost) {
    const std::vector<std::string> args = {
        GLYPHORA_TOOL_PATH,         "render", file,          "--set", "2",          "--from",     "0", "--to",
        std::to_string(glyphs - 1), "--font", "DejaVu Sans", "--fit", "--renderer", RUNECAST_PATH};
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const auto start = Clock::now();
    pid_t pid = 0;
    const bool started = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (!started || waitpid(pid, &status, 0) != pid) return false;
    cost.wall += std::chrono::duration<double>(Clock::now() - start).count();
    cost.glyphs += glyphs;
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) cost.replaced += glyphs;
    return true;
}

void Print(const char* name, const Cost& c) {
    std::printf("  %-10s %8.1f ms  %7.3f ms per glyph  (%d of %d drawn)\n", name, c.wall * 1e3, c.wall / c.glyphs * 1e3,
                c.replaced, c.glyphs);
}

}  // namespace

int main(int argc, char** argv) {
    const int glyphs = argc > 1 ? std::atoi(argv[1]) : 300;
    if (glyphs < 10 || glyphs > 1000) {
        std::fprintf(stderr, "usage: bench_generate [GLYPHS, 10 to 1000]\n");
        return 2;
    }
    // Set 2 of the large fixture: 1000 glyphs, Latin, Greek, Cyrillic, punctuation.
    const fixtures::BuiltLangpack built = fixtures::BuildLangpack(fixtures::LargeLangpack());
    Result<TLangpack> read = ReadLangpack(built.Bytes);
    if (!read) {
        std::fprintf(stderr, "bench_generate: the fixture does not read: %s\n", read.error().message.c_str());
        return 1;
    }
    TLangpack lp = std::move(*read);

    char pattern[] = "/tmp/glyphora-bench-generate.XXXXXX";
    if (!mkdtemp(pattern)) {
        std::perror("bench_generate: temporary folder");
        return 2;
    }
    const fs::path root = pattern;
    const std::string file = (root / "large.smg").string();
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(built.Bytes.data()), static_cast<std::streamsize>(built.Bytes.size()));
    fs::create_directories(root / "files");

    BatchRenderer batch(RUNECAST_PATH, (root / "files").string());
    OneGlyphRenderer perGlyph(RUNECAST_PATH, (root / "files").string());
    OneGlyphRenderer none("/bin/true", (root / "files").string());
    Cost warmUp, toolCost, batchCost, perGlyphCost, trueCost;
    Run(lp, 1, perGlyph, warmUp);  // fills the renderer's font cache
    if (!HasBatchMode(RUNECAST_PATH, (root / "files").string())) {
        std::printf("  FAILED: Runecast does not announce its batch mode\n");
        return 1;
    }
    constexpr int kRounds = 3;
    for (int round = 0; round < kRounds; ++round) {
        if (!RunTool(file, glyphs, toolCost)) {
            std::printf("  FAILED: glyphora-tool could not be run\n");
            return 1;
        }
        Run(lp, glyphs, batch, batchCost);
        Run(lp, glyphs, perGlyph, perGlyphCost);
        Run(lp, glyphs, none, trueCost);
    }
    std::error_code ec;
    fs::remove_all(root, ec);

    std::printf("%d glyphs of DejaVu Sans fitted to a set of %d rows, %d rounds each\n", glyphs,
                lp.FontSetTable[1].Height, kRounds);
    Print("tool", toolCost);
    Print("batch", batchCost);
    Print("per glyph", perGlyphCost);
    Print("/bin/true", trueCost);
    const double speedUp = perGlyphCost.wall / toolCost.wall;
    std::printf("  per glyph / tool   %.1f  (target >= 10)\n", speedUp);
    std::printf("  per glyph / batch  %.1f\n", perGlyphCost.wall / batchCost.wall);
    std::printf("  /bin/true / tool   %.1f  (300 bare process starts against the whole tool run)\n",
                trueCost.wall / toolCost.wall);
    if (batchCost.replaced < batchCost.glyphs * 9 / 10 || toolCost.replaced < toolCost.glyphs) {
        std::printf("  FAILED: not every glyph was drawn\n");
        return 1;
    }
    if (speedUp < 10) std::printf("  MISSED: the tool's batch is less than 10x faster than one start per glyph\n");
    return 0;
}
