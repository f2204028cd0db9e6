// The application object. Its notify() is the last guard: an exception that
// escapes any event handler is shown as the general error report instead of
// ending the program.
#pragma once

#include <QApplication>

namespace glyphora {

class GlyphoraApplication : public QApplication {
    Q_OBJECT
public:
    GlyphoraApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace glyphora
