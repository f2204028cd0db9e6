#include "GlyphoraApplication.h"

#include "ErrorGuard.h"

#include <QMessageBox>
#include <QWidget>

#include <new>
#include <stdexcept>

namespace glyphora {

QString UncaughtErrorText(std::exception_ptr error) {
    try {
        if (error) std::rethrow_exception(error);
    } catch (const std::bad_alloc&) {
        return QStringLiteral("Out of memory.");
    } catch (const std::exception& e) {
        return QString::fromStdString(e.what());
    } catch (...) {
    }
    return QStringLiteral("An unexpected error occurred.");
}

GlyphoraApplication::GlyphoraApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Glyphora"));
    setApplicationVersion(QStringLiteral("1.01"));
}

bool GlyphoraApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        QMessageBox::critical(activeWindow(), QStringLiteral("Glyphora"),
                              UncaughtErrorText(std::current_exception()));
    }
    return false;
}

}  // namespace glyphora
