// Painting the canvas control at zoom 16 into an offscreen image.
#include "CanvasWidget.h"
#include "GlyphEditor.h"
#include "Langpack.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QImage>

namespace {

void BM_CanvasPaintZoom16(benchmark::State& state) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "bench_editor";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) new QApplication(argc, argv);

    glyphora::GlyphEditor ed;
    ed.SetGlyphHeight(255);
    glyphora::Symbols glyph;
    glyph.Width = 15;
    for (int r = 0; r < 255; ++r) {
        glyph.Data.push_back(static_cast<uint8_t>(r % 3 ? 0xAA : 0x0F));
        glyph.Data.push_back(static_cast<uint8_t>(0x55));
    }
    ed.LoadSymb(glyph.Width, glyph.Data);
    while (ed.ZoomFactor() < 16) ed.ZoomIn();
    glyphora::CanvasWidget widget(&ed);
    QImage target(widget.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        widget.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

}  // namespace

void RegisterCanvasPaintBenchmark() { benchmark::RegisterBenchmark("BM_CanvasPaintZoom16", BM_CanvasPaintZoom16); }
