#include "MenuKeys.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QShortcut>

namespace glyphora {

namespace {

struct Mnemonic {
    const char* title;
    const char* marked;
};

constexpr Mnemonic kMnemonics[] = {
    {"File", "&File"},
    {"Edit", "&Edit"},
    {"View", "&View"},
    {"Size image", "Size &image"},
    {"Processing", "&Processing"},
    {"Language", "&Language"},
    {"?", "&?"},
};

}  // namespace

void installMenuKeys(QMainWindow* window) {
    QMenuBar* bar = window->menuBar();
    for (QAction* menu : bar->actions()) {
        for (const Mnemonic& m : kMnemonics)
            if (menu->text() == QString::fromUtf8(m.title)) menu->setText(QString::fromUtf8(m.marked));
    }
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
