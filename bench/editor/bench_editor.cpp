// Press, move and release of every tool on the largest glyph (15 x 255 at
// zoom 16), against a plain MonoImage copy of the same size measured in the
// same run; with the Qt layer, painting the canvas at zoom 16 as well.
#include "GlyphEditor.h"
#include "Langpack.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#ifdef GLYPHORA_BENCH_GUI
void RegisterCanvasPaintBenchmark();
#endif

namespace {

using glyphora::GlyphEditor;
using glyphora::MonoImage;
using glyphora::MouseButton;
using glyphora::Symbols;
using glyphora::Tool;

constexpr int kWidth = 15, kHeight = 255, kZoom = 16;

GlyphEditor makeEditor(bool blank = false) {
    GlyphEditor ed;
    ed.SetGlyphHeight(kHeight);
    Symbols glyph;
    glyph.Width = kWidth;
    for (int r = 0; r < kHeight; ++r) {
        glyph.Data.push_back(static_cast<uint8_t>(blank ? 0xFF : r % 3 ? 0xAA : 0x0F));
        glyph.Data.push_back(static_cast<uint8_t>(blank ? 0xFF : r % 5 ? 0x55 : 0xF0));
    }
    ed.LoadSymb(glyph.Width, glyph.Data);
    while (ed.ZoomFactor() < kZoom) ed.ZoomIn();
    return ed;
}

void BM_Baseline_MonoImageCopy(benchmark::State& state) {
    MonoImage src(kWidth, kHeight, glyphora::Pixel::Ink);
    MonoImage dst(kWidth, kHeight);
    for (auto _ : state) {
        dst.draw(src);
        benchmark::DoNotOptimize(dst);
    }
}
BENCHMARK(BM_Baseline_MonoImageCopy);

// One whole gesture: a press near the top, a move across most of the glyph, a
// release; the buttons take turns, so every gesture changes pixels.
void BM_Tool(benchmark::State& state, Tool tool, bool blank) {
    GlyphEditor ed = makeEditor(blank);
    ed.setTool(tool);
    const int X0 = 2 * kZoom + 3, Y0 = 3 * kZoom + 3;
    const int X1 = 12 * kZoom + 3, Y1 = 240 * kZoom + 3;
    bool left = true;
    for (auto _ : state) {
        const MouseButton b = left ? MouseButton::Left : MouseButton::Right;
        left = !left;
        ed.mouseDown(b, X0, Y0);
        ed.mouseMove(X1, Y1);
        ed.mouseUp(b, X1, Y1);
        if (tool == Tool::Selection) ed.FalseGoBegin();  // the next press starts afresh
        benchmark::DoNotOptimize(ed.CanvasImage());
    }
}
BENCHMARK_CAPTURE(BM_Tool, Pencil, Tool::Pencil, false);
BENCHMARK_CAPTURE(BM_Tool, Selection, Tool::Selection, false);
BENCHMARK_CAPTURE(BM_Tool, Text, Tool::Text, false);
BENCHMARK_CAPTURE(BM_Tool, Eraser, Tool::Eraser, false);
BENCHMARK_CAPTURE(BM_Tool, Fill, Tool::Fill, false);
BENCHMARK_CAPTURE(BM_Tool, Line, Tool::Line, false);
BENCHMARK_CAPTURE(BM_Tool, Rectangle, Tool::Rectangle, false);
BENCHMARK_CAPTURE(BM_Tool, FilledRectangle, Tool::FilledRectangle, false);
BENCHMARK_CAPTURE(BM_Tool, Ellipse, Tool::Ellipse, false);
BENCHMARK_CAPTURE(BM_Tool, FilledEllipse, Tool::FilledEllipse, false);
BENCHMARK_CAPTURE(BM_Tool, FillBlankGlyph, Tool::Fill, true);

// Moving a lifted selection of the whole glyph by one pixel and back.
void BM_SelectionMove(benchmark::State& state) {
    GlyphEditor ed = makeEditor();
    ed.SelectAll();
    ed.mouseDown(MouseButton::Left, 5 * kZoom, 5 * kZoom);
    int step = 0;
    for (auto _ : state) {
        ed.mouseMove((5 + (++step & 1)) * kZoom + 3, 5 * kZoom + 3);
        benchmark::DoNotOptimize(ed.CanvasImage());
    }
}
BENCHMARK(BM_SelectionMove);

// Collects the mean time of every run to print ratios against the baseline.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        // CPU time: the machine may be shared, and these runs never wait.
        for (const Run& r : runs) {
            times_[r.benchmark_name()] = r.GetAdjustedCPUTime();
            if (r.counters.count("fps")) fps_[r.benchmark_name()] = r.counters.at("fps").value;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void printRatios() const {
        const auto base = times_.find("BM_Baseline_MonoImageCopy");
        if (base == times_.end() || base->second <= 0) return;
        std::printf("\nCPU time per operation relative to a plain 15 x 255 MonoImage copy (%.0f ns):\n", base->second);
        for (const auto& [name, t] : times_) {
            std::printf("  %-28s %10.0f ns  %8.1fx", name.c_str(), t, t / base->second);
            if (const auto f = fps_.find(name); f != fps_.end())
                std::printf("  %.0f frames per second\n", f->second);
            else
                std::printf("  %s\n", t < 1e6 ? "under 1 ms" : "OVER 1 ms");
        }
    }

private:
    std::map<std::string, double> times_;
    std::map<std::string, double> fps_;
};

}  // namespace

int main(int argc, char** argv) {
#ifdef GLYPHORA_BENCH_GUI
    RegisterCanvasPaintBenchmark();
#endif
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}
