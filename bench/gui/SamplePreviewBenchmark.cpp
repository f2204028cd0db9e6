// How long the sample-text panel takes to lay out and paint an 80-character
// line at 3x once a pixel of the working glyph has changed, against one
// repaint of the canvas (zoom 16) in the same run. Offscreen, the window as
// the program builds it, set 2 of the large fixture langpack.
#include <CanvasWidget.h>
#include <FontPage.h>
#include <GlyphoraApplication.h>
#include <LargeLangpackWindow.h>
#include <MainWindow.h>
#include <RecordingReporter.h>
#include <SamplePanel.h>
#include <SampleView.h>
#include <Zoom.h>

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QImage>
#include <QLineEdit>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

using namespace glyphora;

constexpr double kBudgetMs = 1.0;
constexpr int kCharacters = 80;

struct Scene : bench::LargeLangpackWindow {
    Scene() : LargeLangpackWindow(1000, 700) {
        window->openFile(file);
        window->session().ChooseSet(1);  // "General font", 1000 glyphs
        while (window->session().editor().ZoomFactor() < 16) Zoom(window->session()).ZoomIn();

        // 80 characters the set has, a space after every seventh.
        const auto& glyphs = window->session().langpack()->SymbolTable[1];
        QString text;
        for (int i = 0; text.size() < kCharacters; ++i)
            text += i % 8 == 7 ? QChar(u' ') : QChar(glyphs[static_cast<std::size_t>(i * 37) % glyphs.size()].Code);
        window->samplePanel()->textEdit()->setText(text);
        window->samplePanel()->setScale(3);
        QCoreApplication::processEvents();
    }
    SampleView* view() const { return window->samplePanel()->view(); }
};

Scene& scene() {
    static Scene s;
    return s;
}

void BM_CanvasRepaintZoom16(benchmark::State& state) {
    CanvasWidget* canvas = scene().window->fontPage()->canvas();
    QImage target(canvas->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        canvas->render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_CanvasRepaintZoom16)->Unit(benchmark::kMicrosecond);

void BM_SamplePreviewAfterPixelEdit(benchmark::State& state) {
    Scene& s = scene();
    GlyphEditor& editor = s.window->session().editor();
    SampleView* view = s.view();
    QImage target(view->size(), QImage::Format_RGB32);
    bool ink = false;
    for (auto _ : state) {
        state.PauseTiming();
        ink = !ink;
        const MouseButton button = ink ? MouseButton::Left : MouseButton::Right;
        editor.mouseDown(button, 1, 1);
        editor.mouseUp(button, 1, 1);
        state.ResumeTiming();
        view->relayOut();
        view->render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
    if (view->line().characters.size() != static_cast<std::size_t>(kCharacters))
        state.SkipWithError("the line does not hold 80 characters");
    state.counters["rows"] = static_cast<double>(view->rowStarts().size());
}
BENCHMARK(BM_SamplePreviewAfterPixelEdit)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    GlyphoraApplication app(argc, argv);
    bench::RecordingReporter reporter = bench::RunRecorded(argc, argv);

    const char* const previewName = "BM_SamplePreviewAfterPixelEdit";
    const char* const canvasName = "BM_CanvasRepaintZoom16";
    const double canvas = reporter.millis[canvasName];
    const double preview = reporter.millis[previewName];
    const double canvasCpu = reporter.cpuMillis[canvasName];
    const double previewCpu = reporter.cpuMillis[previewName];
    const bool ok = preview < kBudgetMs;
    std::printf("\n%-34s %10s %10s %16s %8s\n", "", "ms", "cpu ms", "x canvas repaint", "budget");
    std::printf("%-34s %10.4f %10.4f %16.1f %8s\n", previewName, preview, previewCpu,
                canvasCpu > 0 ? previewCpu / canvasCpu : 0.0, ok ? "< 1" : "OVER");
    std::printf("%-34s %10.4f %10.4f\n", canvasName, canvas, canvasCpu);
    scene().window.reset();
    return ok ? 0 : 1;
}
