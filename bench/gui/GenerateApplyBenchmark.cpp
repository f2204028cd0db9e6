// The Generate window as a user waits on it, offscreen, on the 1000-glyph set
// 2 of the large fixture langpack (set 3 and 7 are its doubles) and the real
// renderer drawing DejaVu Sans: Apply of 300 and 1000 glyphs, the first one
// and later ones, and the preview after each kind of change. Each figure is
// set beside the same glyphs drawn by a renderer run of their own with
// nothing stored (what any Apply or preview of new glyphs has to wait for),
// measured in the same run. Wall-clock medians; the targets are absolute.
//
//   build/bench/gui/bench_generate_apply [RUNS]      (default 9)
#include <GenerateDialog.h>
#include <GlyphRendering.h>
#include <LargeLangpackWindow.h>
#include <LongWorkProgress.h>
#include <RefusingPrompts.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace glyphora::bench {
namespace {

constexpr double kApplyTargetMs = 150;
constexpr double kPreviewTargetMs = 60;

// Every question answered No (a langpack opened again drops its changes),
// every message counted: nothing waits for a click.
class QuietPrompts : public RefusingPrompts {
public:
    void tell(const std::string&, Icon) override { ++told; }
    // The batch shows itself as the program shows it.
    std::unique_ptr<LongWork> beginLongWork(const std::string& title) override {
        return std::make_unique<LongWorkProgress>(owner, QString::fromStdString(title));
    }
    QWidget* owner = nullptr;
    int told = 0;
};

double Ms(const std::function<void()>& run) {
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

void Line(const char* what, double ms, double baseline, double target) {
    std::printf("  %-36s %8.1f ms  %5.2fx render alone   %s (target <= %.0f ms)\n", what, ms, ms / baseline,
                ms <= target ? "  met" : "MISSED", target);
}

template <class T>
T* Find(QWidget* in, const char* name) {
    T* found = in->findChild<T*>(QString::fromLatin1(name));
    if (!found) {
        std::fprintf(stderr, "bench_generate_apply: no %s\n", name);
        std::exit(1);
    }
    return found;
}

int Run(int runs) {
    LargeLangpackWindow files;
    QDir(files.dir.path()).mkpath(QStringLiteral("files"));
    QFile::link(QStringLiteral(RUNECAST), files.dir.filePath(QStringLiteral("files/Runecast")));
    auto prompts = std::make_shared<QuietPrompts>();
    AppEnvironment env;
    env.programDir = files.dir.path() + QLatin1Char('/');
    env.settingsPath = files.dir.filePath(QStringLiteral("Glyphora.ini"));
    env.prompts = prompts;
    MainWindow window(env);
    prompts->owner = &window;
    window.resize(900, 700);
    window.show();
    window.openFile(files.file);
    Session& session = window.session();
    session.ChooseSet(1);
    QCoreApplication::processEvents();

    window.action(Command::GenerateGlyphs)->trigger();
    auto* dialog = Find<GenerateDialog>(&window, "GenerateDialog");
    auto* range = Find<QComboBox>(dialog, "GenerateRange");
    auto* from = Find<QLineEdit>(dialog, "GenerateCodeFrom");
    auto* to = Find<QLineEdit>(dialog, "GenerateCodeTo");
    auto* size = Find<QSpinBox>(dialog, "GenerateSize");
    auto* fit = Find<QCheckBox>(dialog, "GenerateFit");
    auto* baselineOn = Find<QCheckBox>(dialog, "GenerateBaselineOn");
    auto* baselineRow = Find<QSpinBox>(dialog, "GenerateBaseline");
    auto* widths = Find<QComboBox>(dialog, "GenerateWidths");
    auto* sample = Find<QLineEdit>(dialog, "GenerateSample");
    auto* apply = Find<QPushButton>(dialog, "GenerateApply");
    QCoreApplication::processEvents();

    // 0x20..0x7E and 0xA0..0x16C: the first 300 glyphs of the set.
    const auto chooseRange = [&](int glyphs) {
        range->setCurrentIndex(glyphs == 1000 ? 2 : 1);
        from->setText(QStringLiteral("0020"));
        to->setText(QStringLiteral("016C"));
        dialog->updatePreview();
        if (static_cast<int>(dialog->glyphs().size()) != glyphs) {
            std::fprintf(stderr, "bench_generate_apply: the range holds %zu glyphs, not %d\n", dialog->glyphs().size(),
                         glyphs);
            std::exit(1);
        }
    };
    fit->setChecked(false);
    size->setValue(12);

    // The baseline: a renderer run of its own, nothing stored.
    const auto renderAlone = [&] {
        const std::vector<int> which = dialog->glyphs();
        GenerateOptions options = dialog->options();
        Result<RendererRun> run =
            RendererRun::Start(files.dir.filePath(QStringLiteral("files/Runecast")).toStdString());
        if (!run) std::exit(1);
        RenderGlyphs(session.langpack()->glyphs(1), which, options, run->renderer(),
                     [](int, uint8_t, const std::vector<uint8_t>&) {});
    };
    const auto clickApply = [&] {
        apply->click();
        QCoreApplication::processEvents();
    };

    std::printf("Generate window on a set of 1000 glyphs (offscreen, medians of %d runs)\n", runs);
    for (int glyphs : {300, 1000}) {
        chooseRange(glyphs);
        std::vector<double> alone, later;
        for (int i = 0; i < runs; ++i) alone.push_back(Ms(renderAlone));
        const double baseline = Median(alone);
        // The first Apply on the glyphs as the file holds them, after the preview.
        std::vector<double> first;
        for (int i = 0; i < runs; ++i) {
            window.openFile(files.file);
            session.ChooseSet(1);
            chooseRange(glyphs);
            QCoreApplication::processEvents();
            first.push_back(Ms(clickApply));
        }
        for (int i = 0; i < runs; ++i) later.push_back(Ms(clickApply));
        std::vector<double> unseen;
        for (int i = 0; i < runs; ++i) {
            // A size not previewed: the Apply draws every glyph anew.
            size->setValue(size->value() == 12 ? 13 : 12);
            unseen.push_back(Ms(clickApply));
        }
        std::printf(" %d glyphs: drawn by a renderer run of their own, nothing stored: %.1f ms\n", glyphs, baseline);
        Line("Apply, first (after its preview)", Median(first), baseline, kApplyTargetMs);
        Line("Apply again, the same options", Median(later), baseline, kApplyTargetMs);
        Line("Apply, a size not previewed", Median(unseen), baseline, kApplyTargetMs);
        if (glyphs != 1000) continue;

        struct Change {
            const char* what;
            std::function<void(int)> make;
        } changes[] = {
            {"preview, size changed", [&](int) { size->setValue(size->value() == 12 ? 13 : 12); }},
            {"preview, baseline row moved",
             [&](int i) {
                 baselineOn->setChecked(true);
                 baselineRow->setValue(8 + i % 2);
             }},
            {"preview, widths trimmed or kept", [&](int i) { widths->setCurrentIndex(i % 2); }},
            {"preview, sample text edited", [&](int i) { sample->setText(QStringLiteral("Sample %1 text").arg(i)); }},
        };
        for (const Change& change : changes) {
            std::vector<double> took;
            for (int i = 0; i < runs; ++i) {
                change.make(i);
                took.push_back(Ms([&] { dialog->updatePreview(); }));
            }
            Line(change.what, Median(took), baseline, kPreviewTargetMs);
        }
    }
    if (prompts->told > 0) std::printf("(%d end messages of the batches were answered)\n", prompts->told);
    dialog->close();
    return 0;
}

}  // namespace
}  // namespace glyphora::bench

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    return glyphora::bench::Run(runs);
}
