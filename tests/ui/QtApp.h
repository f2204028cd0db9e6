// One QApplication for all the widget tests of this program.
#pragma once

#include <QApplication>

namespace glyphora::test {

inline void ensureApplication() {
    static int argc = 1;
    static char name[] = "test_editor_ui";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) new QApplication(argc, argv);
}

}  // namespace glyphora::test
