// The editor's start as bench/start.sh times it: the program's own steps
// (application, main window, shown, the file named on the command line
// opened) ending at the canvas's first paint of the glyph, then out.
#include <AppEnvironment.h>
#include <CanvasWidget.h>
#include <FontPage.h>
#include <GlyphoraApplication.h>
#include <Icons.h>
#include <MainWindow.h>

#include <QEvent>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

namespace {

// Ends the event loop at the first paint of the canvas with a glyph on it.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(glyphora::MainWindow& window) : window_(window) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && window_.session().glyphShown()) QCoreApplication::exit(0);
        return QObject::eventFilter(watched, event);
    }

private:
    glyphora::MainWindow& window_;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_start_probe LANGPACK\n");
        return 2;
    }
    glyphora::GlyphoraApplication app(argc, argv);
    app.setWindowIcon(glyphora::ApplicationIcon());
    glyphora::MainWindow window(glyphora::DefaultEnvironment());
    FirstPaint firstPaint(window);
    window.fontPage()->canvas()->installEventFilter(&firstPaint);
    window.show();
    window.openFile(QFileInfo(QCoreApplication::arguments().at(1)).absoluteFilePath());
    const int shown = app.exec();
    if (!window.session().glyphShown()) {
        std::fprintf(stderr, "bench_start_probe: no glyph was shown\n");
        return 1;
    }
    return shown;
}
