// The main window's commands as data: one row per command with everything
// the menu bar and the toolbar show of it. MainActions builds the menus, the
// toolbar and one QAction per command from these rows; which commands are on
// is the toolkit-free EnabledCommands beside the `Command` ids.
//
// Adding a command takes three places:
//   1. its id in `Command` and its rule in EnabledCommands (CommandAvailability
//      in the session), so the window switches it on and off;
//   2. its row in kCommandRows (CommandTable.cpp), placed among the rows of
//      its menu in menu order: caption with a mnemonic that is free in that
//      menu, object name, keys, a separator before it, and when it is on the
//      toolbar its button's object name, tip, icon file and place (a command
//      of a submenu is a row of that submenu's Menu, which has its parent);
//   3. its handler in a module of commands/: Bind(context, Command::Id, ...).
// The build checks that every command has exactly one row or menu.
#pragma once

#include <CommandAvailability.h>

#include <QKeyCombination>

#include <array>
#include <cstddef>
#include <span>

namespace glyphora {

inline constexpr std::size_t kCommandCount = static_cast<std::size_t>(Command::Count);

// The menus of the menu bar, left to right, then the submenus.
enum class Menu : std::size_t { File, Edit, View, SizeImage, Processing, Language, Help, Transform, Count };

inline constexpr std::size_t kMenuCount = static_cast<std::size_t>(Menu::Count);

struct MenuSpec {
    Menu menu;
    const char* caption;  // with its mnemonic
    const char* objectName;
    // The command whose availability switches the whole menu; Count for none.
    Command command = Command::Count;
    // The menu a submenu stands in, where its first row comes in the table
    // (that row's separator goes before the submenu); Count: the menu bar.
    Menu parent = Menu::Count;
};

enum class Check {
    None,
    Toggle,  // on or off by itself
    Radio,   // one of the radio items of its menu
};

// Where a command's button stands: toolbar groups, separated by a separator,
// left to right, and the button's order in its group. Group 0: no button.
struct ToolbarPlace {
    int group = 0;
    int order = 0;
};

struct CommandSpec {
    Command id;
    Menu menu;
    const char* caption;  // with its mnemonic
    const char* objectName;
    std::array<QKeyCombination, 3> keys = {};  // the first is the one the menu shows
    bool separatorBefore = false;
    Check check = Check::None;
    const char* button = nullptr;  // the toolbar button's object name
    const char* tip = nullptr;     // the toolbar button's tip
    const char* icon = nullptr;    // file name in the icons folder, without ".svg"
    ToolbarPlace toolbar = {};
};

std::span<const MenuSpec> MenuTable();
// In menu order within each menu.
std::span<const CommandSpec> CommandTable();

}  // namespace glyphora
