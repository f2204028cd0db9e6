#include "MainActions.h"

#include "Icons.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

namespace glyphora {

namespace {

QAction* makeAction(QMainWindow* window, const CommandSpec& spec) {
    auto* action = new QAction(QString::fromUtf8(spec.caption), window);
    action->setObjectName(QString::fromLatin1(spec.objectName));
    QList<QKeySequence> keys;
    for (QKeyCombination key : spec.keys)
        if (key.key() != Qt::Key_unknown) keys << QKeySequence(key);
    action->setShortcuts(keys);
    // Menu shortcuts work anywhere in the main window.
    action->setShortcutContext(Qt::WindowShortcut);
    action->setCheckable(spec.check != Check::None);
    if (spec.icon) action->setIcon(IconFile(spec.icon));
    return action;
}

void addButtons(QToolBar* bar, const std::vector<const CommandSpec*>& buttons, const MainActions& actions) {
    int group = 0;
    for (const CommandSpec* spec : buttons) {
        if (group != 0 && spec->toolbar.group != group) bar->addSeparator();
        group = spec->toolbar.group;
        QAction* action = actions.action(spec->id);
        bar->addAction(action);
        QWidget* button = bar->widgetForAction(action);
        button->setObjectName(QString::fromLatin1(spec->button));
        button->setFixedSize(28, 28);
        // On the action too: the button takes the action's tip again whenever
        // the action changes.
        action->setToolTip(QString::fromUtf8(spec->tip));
    }
}

}  // namespace

MainActions::MainActions(QMainWindow* window) {
    for (const MenuSpec& spec : MenuTable()) {
        const QString caption = QString::fromUtf8(spec.caption);
        QMenu* menu = spec.parent == Menu::Count ? window->menuBar()->addMenu(caption) : new QMenu(caption, window);
        menu->setObjectName(QString::fromLatin1(spec.objectName));
        menus_[static_cast<std::size_t>(spec.menu)] = menu;
        if (spec.command != Command::Count) actions_[static_cast<std::size_t>(spec.command)] = menu->menuAction();
    }
    std::map<Menu, QActionGroup*> radioGroups;
    std::vector<const CommandSpec*> buttons;
    std::set<Menu> placed;
    for (const CommandSpec& spec : CommandTable()) {
        QAction* action = makeAction(window, spec);
        actions_[static_cast<std::size_t>(spec.id)] = action;
        QMenu* into = menu(spec.menu);
        const Menu parent = MenuTable()[static_cast<std::size_t>(spec.menu)].parent;
        if (parent != Menu::Count && placed.insert(spec.menu).second) {
            // A submenu's first row places it in its parent, the row's separator before it.
            if (spec.separatorBefore) menu(parent)->addSeparator();
            menu(parent)->addMenu(into);
        } else if (spec.separatorBefore) {
            into->addSeparator();
        }
        into->addAction(action);
        if (spec.check == Check::Radio) {
            QActionGroup*& group = radioGroups[spec.menu];
            if (!group) group = new QActionGroup(window);
            group->addAction(action);
        }
        if (spec.toolbar.group != 0) buttons.push_back(&spec);
    }

    QToolBar* toolBar = window->addToolBar(QStringLiteral("Toolbar"));
    toolBar->setObjectName(QStringLiteral("ToolBar1"));
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setIconSize(QSize(20, 20));
    toolBar->setFixedHeight(30);
    toolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    std::stable_sort(buttons.begin(), buttons.end(), [](const CommandSpec* a, const CommandSpec* b) {
        return std::pair(a->toolbar.group, a->toolbar.order) < std::pair(b->toolbar.group, b->toolbar.order);
    });
    addButtons(toolBar, buttons, *this);
    apply(EnabledCommands(CommandInputs{}));
}

void MainActions::apply(const CommandSet& enabled) const {
    for (std::size_t i = 0; i < kCommandCount; ++i)
        if (QAction* a = actions_[i]) a->setEnabled(enabled.test(i));
    for (const MenuSpec& spec : MenuTable())
        if (spec.command != Command::Count) menu(spec.menu)->setEnabled(Enabled(enabled, spec.command));
}

}  // namespace glyphora
