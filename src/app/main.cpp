// Program entry: the application titled "Glyphora" and its main window. A file
// named on the command line opens as if it had been chosen with "Open file".
// --version and --help answer without a window (and without a display).
#include "AppEnvironment.h"
#include "GlyphoraApplication.h"
#include "Icons.h"
#include "MainWindow.h"

#include <GlyphoraVersion.h>
#include <Process.h>

#include <QFileInfo>
#include <QStringList>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    // Killed in the middle of a batch, it takes the renderer's group with it.
    glyphora::StopRunningProcessesOnSignals();
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("glyphora %s\n", GLYPHORA_VERSION);
        return 0;
    }
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::printf(
            "usage: glyphora [FILE]\n\n"
            "The editor of the bitmap fonts in phone langpacks. FILE, a langpack (*.smg, *.bin) or a\n"
            "flash file (*.shx), opens as if chosen with \"Open file\".\n\n"
            "  --version  print the version and end\n"
            "  --help     print this and end\n");
        return 0;
    }
    glyphora::GlyphoraApplication app(argc, argv);
    app.setWindowIcon(glyphora::ApplicationIcon());

    glyphora::MainWindow window(glyphora::DefaultEnvironment());
    window.show();
    const QStringList arguments = QCoreApplication::arguments();
    // Made absolute here: the name is remembered, and the next start may be in another folder.
    if (arguments.size() > 1) window.openFile(QFileInfo(arguments.at(1)).absoluteFilePath());
    return app.exec();
}
