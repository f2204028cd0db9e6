// How long the window takes to open the large fixture langpack until its
// first glyph is shown, and to switch to a set of 1000 glyphs, both offscreen
// and painted. The baseline is the bare ReadLangpack of the same file.
#include <FontPage.h>
#include <GlyphoraApplication.h>
#include <LangpackReader.h>
#include <LargeLangpackWindow.h>
#include <MainWindow.h>
#include <RecordingReporter.h>

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTableWidget>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

using namespace glyphora;

constexpr double kBudgetMs = 100.0;

using Scene = bench::LargeLangpackWindow;

Scene& scene() {
    static Scene s(900, 700);
    return s;
}

void BM_ReadLangpackBaseline(benchmark::State& state) {
    const auto& bytes = scene().bytes;
    for (auto _ : state) {
        Result<TLangpack> r = ReadLangpack(bytes);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_ReadLangpackBaseline)->Unit(benchmark::kMillisecond);

void BM_OpenUntilFirstGlyphShown(benchmark::State& state) {
    Scene& s = scene();
    for (auto _ : state) {
        s.window->openFile(s.file);
        QCoreApplication::processEvents();
        if (s.window->session().CurrentSymbol() != 0) state.SkipWithError("no glyph shown after opening");
    }
}
BENCHMARK(BM_OpenUntilFirstGlyphShown)->Unit(benchmark::kMillisecond);

void BM_SwitchToSetOf1000Glyphs(benchmark::State& state) {
    Scene& s = scene();
    s.window->openFile(s.file);
    QTableWidget* sets = s.window->fontPage()->setGrid();
    for (auto _ : state) {
        state.PauseTiming();
        sets->setCurrentCell(0, 1);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        sets->setCurrentCell(1, 1);  // set 2, "General font": 1000 glyphs
        QCoreApplication::processEvents();
    }
    if (s.window->fontPage()->glyphGrid()->model()->rowCount() != 1000) state.SkipWithError("set 2 is not shown");
}
BENCHMARK(BM_SwitchToSetOf1000Glyphs)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    GlyphoraApplication app(argc, argv);
    bench::RecordingReporter reporter = bench::RunRecorded(argc, argv);

    const double base = reporter.millis["BM_ReadLangpackBaseline"];
    bool withinBudget = true;
    std::printf("\n%-32s %10s %14s %8s\n", "", "ms", "x ReadLangpack", "budget");
    for (const char* name : {"BM_OpenUntilFirstGlyphShown", "BM_SwitchToSetOf1000Glyphs"}) {
        const double ms = reporter.millis[name];
        const bool ok = ms < kBudgetMs;
        withinBudget = withinBudget && ok;
        std::printf("%-32s %10.2f %14.1f %8s\n", name, ms, base > 0 ? ms / base : 0.0, ok ? "< 100" : "OVER");
    }
    std::printf("%-32s %10.2f\n", "BM_ReadLangpackBaseline", base);
    scene().window.reset();
    return withinBudget ? 0 : 1;
}
