// "Replace the chosen symbols" over 1000 glyphs: the same batch (RenderGlyphs
// with the Runecast renderer: temp.bmp removed, RunAndWait, temp.bmp read back
// and stored) once with the real renderer drawing DejaVu Sans and once with
// /bin/true as the program, which costs a process start and nothing else.
// The two take turns in blocks, so that a busy machine slows them alike.
//
// Printed: glyphs per second for both and their ratio (target: at most 3),
// and the editor's own share of the time, everything outside the child
// processes (target: below 10%): the editor's CPU time against the children's,
// and against the wall time.
//
//   bench_generate [GLYPHS]
#include <GlyphRendering.h>
#include <LangpackBuilder.h>
#include <LangpackEdit.h>
#include <LangpackReader.h>

#include <sys/resource.h>
#include <unistd.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

namespace fs = std::filesystem;
using namespace glyphora;

double CpuSeconds(int who) {
    rusage usage{};
    getrusage(who, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct Cost {
    double wall = 0;
    double selfCpu = 0;
    double childCpu = 0;
    int glyphs = 0;
    int replaced = 0;
    int failed = 0;
};

// One block of the batch, timed.
void Run(TLangpack& lp, GlyphRange range, GlyphRenderer& renderer, Cost& cost) {
    const double self = CpuSeconds(RUSAGE_SELF);
    const double children = CpuSeconds(RUSAGE_CHILDREN);
    const auto start = std::chrono::steady_clock::now();
    const BatchResult result = RenderGlyphs(lp.SymbolTable[1], range, lp.FontSetTable[1].Height, renderer,
                                            [&lp](int glyph, uint8_t width, std::vector<uint8_t> rows) {
                                                StoreGlyph(lp, 1, glyph, width, std::move(rows));
                                            });
    cost.wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    cost.selfCpu += CpuSeconds(RUSAGE_SELF) - self;
    cost.childCpu += CpuSeconds(RUSAGE_CHILDREN) - children;
    cost.glyphs += result.done;
    cost.replaced += result.changed;
    cost.failed += static_cast<int>(result.failed.size());
}

void Print(const char* name, const Cost& c) {
    std::printf(
        "  %-16s %7.0f glyphs/s  %6.3f ms wall  %6.3f ms editor cpu  %6.3f ms child cpu per glyph"
        "  (%d replaced, %d not)\n",
        name, c.glyphs / c.wall, c.wall / c.glyphs * 1e3, c.selfCpu / c.glyphs * 1e3, c.childCpu / c.glyphs * 1e3,
        c.replaced, c.failed);
}

}  // namespace

int main(int argc, char** argv) {
    const int glyphs = argc > 1 ? std::atoi(argv[1]) : 1000;
    if (glyphs < 100 || glyphs > 1000) {
        std::fprintf(stderr, "usage: bench_generate [GLYPHS, 100 to 1000]\n");
        return 2;
    }
    // Set 2 of the large fixture: 1000 glyphs, Latin, Greek, Cyrillic, punctuation.
    Result<TLangpack> read = ReadLangpack(fixtures::BuildLangpack(fixtures::LargeLangpack()).Bytes);
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
    // Each program as files/Runecast in a folder of its own, as beside the editor.
    for (const char* kind : {"real", "true"}) fs::create_directories(root / kind / "files");
    fs::create_symlink(RUNECAST_PATH, root / "real" / "files" / "Runecast");
    fs::create_symlink("/bin/true", root / "true" / "files" / "Runecast");

    RenderFont font;
    font.name = "DejaVu Sans";
    font.height = -12;
    RunecastRenderer real(RunecastPath((root / "real").string() + "/"), font);
    RunecastRenderer none(RunecastPath((root / "true").string() + "/"), font);
    Cost warmUp, realCost, trueCost;
    Run(lp, {0, 0}, real, warmUp);  // fills the renderer's font cache
    constexpr int kBlock = 50;
    for (int first = 0; first < glyphs; first += kBlock) {
        const GlyphRange block{first, std::min(glyphs, first + kBlock) - 1};
        Run(lp, block, none, trueCost);
        Run(lp, block, real, realCost);
    }
    std::error_code ec;
    fs::remove_all(root, ec);

    std::printf("Replace the chosen symbols, %d glyphs each, DejaVu Sans -12, through RunAndWait\n", glyphs);
    Print("Runecast", realCost);
    Print("/bin/true", trueCost);
    const double ratio = realCost.wall / trueCost.wall;
    const double ofWork = realCost.selfCpu / (realCost.selfCpu + realCost.childCpu);
    const double ofWall = realCost.selfCpu / realCost.wall;
    std::printf("  Runecast / true   wall %.2f  (target <= 3)\n", ratio);
    std::printf("  editor's own share  %.1f%% of the cpu time, %.1f%% of the wall time  (target < 10%%)\n",
                100 * ofWork, 100 * ofWall);
    if (realCost.replaced < glyphs * 9 / 10) {
        std::printf("  FAILED: only %d of %d glyphs were drawn\n", realCost.replaced, glyphs);
        return 1;
    }
    if (ratio > 3) std::printf("  MISSED: the real batch costs more than 3x the /bin/true batch\n");
    if (ofWork >= 0.10) std::printf("  MISSED: the editor's share is 10%% or more\n");
    return 0;
}
