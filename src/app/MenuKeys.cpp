#include "MenuKeys.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QShortcut>

namespace glyphora {

void installMenuKeys(QMainWindow* window) {
    QMenuBar* bar = window->menuBar();
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), window);
    f10->setObjectName(QStringLiteral("MenuBarKey"));
    QObject::connect(f10, &QShortcut::activated, bar, [bar] {
        for (QAction* menu : bar->actions())
            if (menu->isEnabled() && menu->isVisible() && menu->menu()) {
                bar->setActiveAction(menu);
                return;
            }
    });
}

}  // namespace glyphora
