// The main window's commands. Each is one QAction shared by its menu item and
// its toolbar button, so their enabled states cannot drift apart: the action
// carries the menu item's name, the tool button the button's name.
#pragma once

#include <CommandAvailability.h>

#include <QList>

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;
class QToolBar;

namespace glyphora {

struct MainActions {
    // File
    QAction* openFile = nullptr;      // N2, SpeedButton1
    QAction* saveImage = nullptr;     // N3, SpeedButton7
    QAction* saveLangpack = nullptr;  // N4, SpeedButton2
    QAction* exportSetBdf = nullptr;  // ExportSetBdf
    QAction* importSetBdf = nullptr;  // ImportSetBdf
    QAction* exportSetPng = nullptr;  // ExportSetPng
    QAction* shx = nullptr;           // N5
    QAction* exit = nullptr;          // N6
    // Edit
    QAction* undo = nullptr;          // N8, SpeedButton16
    QAction* clear = nullptr;         // N9
    QAction* selectAll = nullptr;     // N10
    QAction* copy = nullptr;          // N11, SpeedButton10
    QAction* cut = nullptr;           // N12, SpeedButton11
    QAction* paste = nullptr;         // N13, SpeedButton12
    QAction* exportBitmap = nullptr;  // N14, SpeedButton3
    QAction* importBitmap = nullptr;  // N15, SpeedButton4
    QAction* shiftLeft = nullptr;     // N30, SpeedButton13
    QAction* shiftRight = nullptr;    // N31, SpeedButton14
    // View
    QAction* zoomIn = nullptr;   // N17, SpeedButton6
    QAction* zoomOut = nullptr;  // N18, SpeedButton5
    // Size image
    QAction* setWidth = nullptr;       // N20
    QAction* increaseWidth = nullptr;  // N21
    QAction* decreaseWidth = nullptr;  // N22
    // Processing
    QAction* selectFont = nullptr;      // Selectwindowsfont1, SpeedButton8
    QAction* selectFontFile = nullptr;  // "Select font file"
    QAction* replaceSymbols = nullptr;  // N28, SpeedButton15
    QAction* optimizeWidths = nullptr;  // N29, SpeedButton17
    QAction* generateGlyphs = nullptr;  // "Generate glyphs…", on when "Replace the chosen symbols" is
    QAction* setHeight = nullptr;       // N32
    // Language (the menu is disabled for the whole run)
    QMenu* languageMenu = nullptr;    // N23
    QAction* english = nullptr;       // N33
    QAction* russian = nullptr;       // N34
    QAction* loadLanguage = nullptr;  // N24
    // ?
    QAction* about = nullptr;  // N26
    // Beside the menus' own items: the step history, go to character, the
    // view options and the recent files.
    QAction* stepBackward = nullptr;   // Edit
    QAction* stepForward = nullptr;    // Edit
    QAction* goToCharacter = nullptr;  // Edit
    QAction* pixelGrid = nullptr;      // View, checkable
    QAction* sampleText = nullptr;     // View, checkable: the sample-text panel
    QMenu* recentFiles = nullptr;      // File

    QToolBar* toolBar = nullptr;

    // The commands that become available once a glyph has been selected.
    QList<QAction*> glyphCommands() const;
    // The action of a command (the Language menu's own action for LanguageMenu);
    // null for a command this window has no action of.
    QAction* action(Command command) const;
    // Switches every action on or off as the set says.
    void apply(const CommandSet& enabled) const;
};

// Builds the menu bar and the toolbar of the window with every caption,
// shortcut and initial enabled state.
MainActions CreateMainActions(QMainWindow* window);

}  // namespace glyphora
