// How long the glyph map takes to paint a screenful of a 2,000-glyph set, and
// to paint again after a scroll to the set's middle, against the glyph grid
// painting the same set in the same run. Both views are as the window builds
// them, 320 x 640 pixels, offscreen.
#include <GlyphMapView.h>
#include <GlyphPreviewDelegate.h>
#include <GlyphTableModel.h>
#include <GlyphoraApplication.h>
#include <LangpackBuilder.h>
#include <LangpackReader.h>
#include <RecordingReporter.h>

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QImage>
#include <QScrollBar>
#include <QTableView>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

using namespace glyphora;

constexpr int kGlyphs = 2000;

struct Views {
    TLangpack langpack;
    GlyphTableModel model;
    QTableView grid;
    std::unique_ptr<GlyphMapView> map;

    Views() {
        fixtures::LangpackSpec spec = fixtures::TypicalLangpack();
        Result<TLangpack> read = ReadLangpack(fixtures::BuildLangpack(spec).Bytes);
        if (!read) {
            std::fprintf(stderr, "the benchmark's langpack: %s\n", read.error().message.c_str());
            std::exit(1);
        }
        langpack = std::move(*read);
        // A file holds at most 1001 glyphs a set; the views are made for twice
        // that, so the set is grown in memory from set 2's glyphs.
        const std::vector<Symbols> pattern = langpack.glyphs(1);
        std::vector<Symbols>& set = langpack.glyphs(0);
        set.clear();
        for (int i = 0; i < kGlyphs; ++i) {
            set.push_back(pattern[static_cast<std::size_t>(i) % pattern.size()]);
            set.back().Code = static_cast<uint16_t>(0x4E00 + i);
        }
        langpack.FontSetTable[0].Height = langpack.FontSetTable[1].Height;
        model.showSet(&langpack, 0);
        grid.setModel(&model);
        grid.setItemDelegate(new GlyphPreviewDelegate(&model, &grid));
        map = std::make_unique<GlyphMapView>(&model, grid.selectionModel());
        for (QWidget* w : {static_cast<QWidget*>(&grid), static_cast<QWidget*>(map.get())}) {
            w->resize(320, 640);
            w->show();
        }
        QCoreApplication::processEvents();
    }
};

// Made in main, after the application, and gone before it.
std::unique_ptr<Views> theViews;
Views& views() { return *theViews; }

// A paint of the whole visible part, first at the top and then at the middle.
void PaintTopAndMiddle(QAbstractItemView& view, benchmark::State& state) {
    QScrollBar* bar = view.verticalScrollBar();
    for (auto _ : state) {
        bar->setValue(0);
        benchmark::DoNotOptimize(view.viewport()->grab());
        bar->setValue(bar->maximum() / 2);
        benchmark::DoNotOptimize(view.viewport()->grab());
    }
    if (view.model()->rowCount() != kGlyphs) state.SkipWithError("the set is not shown");
}

void BM_GlyphGridPaint(benchmark::State& state) { PaintTopAndMiddle(views().grid, state); }
BENCHMARK(BM_GlyphGridPaint)->Unit(benchmark::kMillisecond);

void BM_GlyphMapPaint(benchmark::State& state) { PaintTopAndMiddle(*views().map, state); }
BENCHMARK(BM_GlyphMapPaint)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    GlyphoraApplication app(argc, argv);
    theViews = std::make_unique<Views>();
    bench::RecordingReporter reporter = bench::RunRecorded(argc, argv);
    const double grid = reporter.millis["BM_GlyphGridPaint"];
    const double map = reporter.millis["BM_GlyphMapPaint"];
    std::printf("\n%-36s %10s %12s\n", "two paints of a 2,000-glyph set", "ms", "x the grid");
    std::printf("%-36s %10.2f %12.2f\n", "glyph map (the whole screenful)", map, grid > 0 ? map / grid : 0.0);
    std::printf("%-36s %10.2f %12.2f\n", "glyph grid (baseline)", grid, 1.0);
    theViews.reset();
    return 0;
}
