// Program entry: the application titled "Glyphora" and its main window. A file
// named on the command line opens as if it had been chosen with "Open file".
#include "AppEnvironment.h"
#include "GlyphoraApplication.h"
#include "MainWindow.h"
#include "Pictograms.h"

#include <QStringList>

int main(int argc, char** argv) {
    glyphora::GlyphoraApplication app(argc, argv);
    app.setWindowIcon(glyphora::PictogramIcon(glyphora::Pictogram::Application));

    glyphora::MainWindow window(glyphora::DefaultEnvironment());
    window.show();
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1) window.openFile(arguments.at(1));
    return app.exec();
}
