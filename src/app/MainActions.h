// The main window's commands, built from the command table. Each is one
// QAction shared by its menu item and its toolbar button, so their enabled
// states cannot drift apart: the action carries the menu item's name, the
// tool button the button's name.
#pragma once

#include "CommandTable.h"

#include <array>

class QAction;
class QMainWindow;
class QMenu;

namespace glyphora {

class MainActions {
public:
    MainActions() = default;
    // Builds the menu bar and the toolbar of the window with every caption,
    // shortcut and icon of the table.
    explicit MainActions(QMainWindow* window);

    // The action of a command (a menu's own action for a command that is a
    // whole menu).
    QAction* action(Command command) const { return actions_[static_cast<std::size_t>(command)]; }
    QMenu* menu(Menu which) const { return menus_[static_cast<std::size_t>(which)]; }

    // Switches every action, and every menu that is a command, on or off as
    // the set says.
    void apply(const CommandSet& enabled) const;

private:
    std::array<QAction*, kCommandCount> actions_ = {};
    std::array<QMenu*, kMenuCount> menus_ = {};
};

}  // namespace glyphora
