#include "GlyphoraApplication.h"

#include "ErrorGuard.h"

#include <GlyphoraVersion.h>

#include <QMessageBox>
#include <QWidget>

#include <new>
#include <stdexcept>

namespace glyphora {

std::string UncaughtErrorText(const std::exception_ptr& error) {
    try {
        if (error) std::rethrow_exception(error);
    } catch (const std::bad_alloc&) {
        return "Out of memory.";
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        // Not an exception of ours or the library's: all we can say is below.
    }
    return "An unexpected error occurred.";
}

GlyphoraApplication::GlyphoraApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Glyphora"));
    setApplicationVersion(QStringLiteral(GLYPHORA_VERSION));
}

bool GlyphoraApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        QMessageBox::critical(activeWindow(), QStringLiteral("Glyphora"),
                              QString::fromStdString(UncaughtErrorText(std::current_exception())));
    }
    return false;
}

}  // namespace glyphora
