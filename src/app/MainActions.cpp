#include "MainActions.h"

#include "Pictograms.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace glyphora {

namespace {

struct ActionSpec {
    const char* caption;
    const char* name;
    QList<QKeySequence> shortcuts;
    bool enabled;
};

QAction* makeAction(QMainWindow* window, QMenu* menu, const ActionSpec& spec) {
    auto* action = new QAction(QString::fromUtf8(spec.caption), window);
    action->setObjectName(QString::fromLatin1(spec.name));
    action->setShortcuts(spec.shortcuts);
    // Menu shortcuts work anywhere in the main window.
    action->setShortcutContext(Qt::WindowShortcut);
    action->setEnabled(spec.enabled);
    if (menu) menu->addAction(action);
    return action;
}

QMenu* makeMenu(QMainWindow* window, const char* caption, const char* name) {
    QMenu* menu = window->menuBar()->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

void addButton(QToolBar* bar, QAction* action, const char* buttonName, Pictogram picture, const char* tip) {
    action->setIcon(PictogramIcon(picture));
    bar->addAction(action);
    QWidget* button = bar->widgetForAction(action);
    button->setObjectName(QString::fromLatin1(buttonName));
    button->setFixedSize(28, 28);
    button->setToolTip(QString::fromUtf8(tip));
}

// The commands that are not on the menus of the original window, each placed
// beside the items it belongs with, and the further zoom keys.
void addComfortActions(QMainWindow* window, MainActions& a, QMenu* file, QMenu* edit, QMenu* view) {
    QList<QAction*> items = edit->actions();
    QAction* afterUndo = items.value(items.indexOf(a.undo) + 1);
    a.stepBackward = makeAction(
        window, nullptr, {"Step backward", "StepBackward", {QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Z)}, false});
    a.stepForward = makeAction(
        window, nullptr, {"Step forward", "StepForward", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}, false});
    edit->insertActions(afterUndo, {a.stepBackward, a.stepForward});
    edit->addSeparator();
    a.goToCharacter =
        makeAction(window, edit, {"Go to character...", "GoToCharacter", {QKeySequence(Qt::CTRL | Qt::Key_G)}, false});

    view->addSeparator();
    a.pixelGrid =
        makeAction(window, view, {"Pixel grid", "PixelGrid", {QKeySequence(Qt::CTRL | Qt::Key_Apostrophe)}, true});
    a.pixelGrid->setCheckable(true);
    a.sampleText = makeAction(window, view, {"Sample text", "SampleText", {}, true});
    a.sampleText->setCheckable(true);
    // Ctrl++, Ctrl+= and Ctrl+- do what the keypad keys do.
    a.zoomIn->setShortcuts(a.zoomIn->shortcuts()
                           << QKeySequence(Qt::CTRL | Qt::Key_Plus) << QKeySequence(Qt::CTRL | Qt::Key_Equal));
    a.zoomOut->setShortcuts(a.zoomOut->shortcuts() << QKeySequence(Qt::CTRL | Qt::Key_Minus));

    QList<QAction*> fileItems = file->actions();
    a.recentFiles = new QMenu(QStringLiteral("Recent files"), window);
    a.recentFiles->setObjectName(QStringLiteral("RecentFilesMenu"));
    file->insertMenu(fileItems.value(fileItems.indexOf(a.openFile) + 1), a.recentFiles);
}

}  // namespace

QList<QAction*> MainActions::glyphCommands() const {
    return {clear,          selectAll,      copy,       cut,      paste,         exportBitmap,
            importBitmap,   shiftLeft,      shiftRight, setWidth, increaseWidth, decreaseWidth,
            replaceSymbols, optimizeWidths, setHeight};
}

QAction* MainActions::action(Command command) const {
    switch (command) {
    case Command::OpenFile: return openFile;
    case Command::SaveImage: return saveImage;
    case Command::SaveLangpack: return saveLangpack;
    case Command::Shx: return shx;
    case Command::Exit: return exit;
    case Command::Undo: return undo;
    case Command::Clear: return clear;
    case Command::SelectAll: return selectAll;
    case Command::Copy: return copy;
    case Command::Cut: return cut;
    case Command::Paste: return paste;
    case Command::ExportBitmap: return exportBitmap;
    case Command::ImportBitmap: return importBitmap;
    case Command::ShiftLeft: return shiftLeft;
    case Command::ShiftRight: return shiftRight;
    case Command::ZoomIn: return zoomIn;
    case Command::ZoomOut: return zoomOut;
    case Command::SetWidth: return setWidth;
    case Command::IncreaseWidth: return increaseWidth;
    case Command::DecreaseWidth: return decreaseWidth;
    case Command::SelectFont: return selectFont;
    case Command::SelectFontFile: return selectFontFile;
    case Command::ReplaceSymbols: return replaceSymbols;
    case Command::OptimizeWidths: return optimizeWidths;
    case Command::SetHeight: return setHeight;
    case Command::LanguageMenu: return languageMenu ? languageMenu->menuAction() : nullptr;
    case Command::English: return english;
    case Command::Russian: return russian;
    case Command::LoadLanguage: return loadLanguage;
    case Command::About: return about;
    case Command::ExportSetBdf: return exportSetBdf;
    case Command::ImportSetBdf: return importSetBdf;
    case Command::ExportSetPng: return exportSetPng;
    case Command::StepBackward: return stepBackward;
    case Command::StepForward: return stepForward;
    case Command::GoToCharacter: return goToCharacter;
    case Command::Count: break;
    }
    return nullptr;
}

void MainActions::apply(const CommandSet& enabled) const {
    for (std::size_t i = 0; i < enabled.size(); ++i) {
        const auto command = static_cast<Command>(i);
        if (QAction* a = action(command)) a->setEnabled(enabled.test(i));
    }
    if (languageMenu) languageMenu->setEnabled(Enabled(enabled, Command::LanguageMenu));
}

MainActions CreateMainActions(QMainWindow* window) {
    MainActions a;

    QMenu* file = makeMenu(window, "File", "FileMenu");
    a.openFile = makeAction(window, file, {"Open file", "N2", {QKeySequence(Qt::CTRL | Qt::Key_O)}, true});
    a.saveImage = makeAction(window, file, {"Save Image", "N3", {QKeySequence(Qt::ALT | Qt::Key_S)}, false});
    a.saveLangpack = makeAction(window, file, {"Save langpack", "N4", {QKeySequence(Qt::CTRL | Qt::Key_S)}, false});
    a.exportSetBdf = makeAction(window, file, {"Export set as BDF…", "ExportSetBdf", {}, false});
    a.importSetBdf = makeAction(window, file, {"Import BDF into set…", "ImportSetBdf", {}, false});
    a.exportSetPng = makeAction(window, file, {"Export set as PNG sheet…", "ExportSetPng", {}, false});
    file->addSeparator();
    a.shx = makeAction(window, file, {"SHX", "N5", {QKeySequence(Qt::Key_F4)}, false});
    file->addSeparator();
    a.exit = makeAction(window, file, {"Exit", "N6", {QKeySequence(Qt::ALT | Qt::Key_X)}, true});

    QMenu* edit = makeMenu(window, "Edit", "EditMenu");
    a.undo = makeAction(window, edit, {"Undo", "N8", {QKeySequence(Qt::CTRL | Qt::Key_Z)}, false});
    edit->addSeparator();
    a.clear = makeAction(window, edit, {"Clear", "N9", {QKeySequence(Qt::Key_Delete)}, false});
    edit->addSeparator();
    a.selectAll = makeAction(window, edit, {"Select all image", "N10", {QKeySequence(Qt::CTRL | Qt::Key_A)}, false});
    edit->addSeparator();
    a.copy = makeAction(
        window, edit,
        {"Copy", "N11", {QKeySequence(Qt::CTRL | Qt::Key_Insert), QKeySequence(Qt::CTRL | Qt::Key_C)}, false});
    a.cut = makeAction(
        window, edit,
        {"Cut", "N12", {QKeySequence(Qt::SHIFT | Qt::Key_Delete), QKeySequence(Qt::CTRL | Qt::Key_X)}, false});
    a.paste = makeAction(
        window, edit,
        {"Paste", "N13", {QKeySequence(Qt::SHIFT | Qt::Key_Insert), QKeySequence(Qt::CTRL | Qt::Key_V)}, false});
    edit->addSeparator();
    a.exportBitmap = makeAction(window, edit, {"Export in bitmap", "N14", {QKeySequence(Qt::CTRL | Qt::Key_E)}, false});
    a.importBitmap =
        makeAction(window, edit, {"Import from bitmap", "N15", {QKeySequence(Qt::CTRL | Qt::Key_I)}, false});
    edit->addSeparator();
    a.shiftLeft = makeAction(window, edit, {"Shift to the left", "N30", {QKeySequence(Qt::Key_Left)}, false});
    a.shiftRight = makeAction(window, edit, {"Shift to the right", "N31", {QKeySequence(Qt::Key_Right)}, false});

    QMenu* view = makeMenu(window, "View", "ViewMenu");
    a.zoomIn = makeAction(window, view, {"Zoom +", "N17", {QKeySequence(Qt::KeypadModifier | Qt::Key_Plus)}, false});
    a.zoomOut = makeAction(window, view, {"Zoom -", "N18", {QKeySequence(Qt::KeypadModifier | Qt::Key_Minus)}, false});

    QMenu* size = makeMenu(window, "Size image", "SizeImageMenu");
    a.setWidth =
        makeAction(window, size, {"Set image width", "N20", {QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_W)}, false});
    a.increaseWidth =
        makeAction(window, size, {"Increase width +1 pixel", "N21", {QKeySequence(Qt::CTRL | Qt::Key_Right)}, false});
    a.decreaseWidth =
        makeAction(window, size, {"Decrease width -1 pixel", "N22", {QKeySequence(Qt::CTRL | Qt::Key_Left)}, false});

    QMenu* processing = makeMenu(window, "Processing", "ProcessingMenu");
    a.selectFont =
        makeAction(window, processing,
                   {"Select windows font", "Selectwindowsfont1", {QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_F)}, true});
    a.selectFontFile = makeAction(window, processing, {"Select font file", "Selectfontfile1", {}, true});
    a.replaceSymbols = makeAction(window, processing,
                                  {"Replace the chosen symbols", "N28", {QKeySequence(Qt::CTRL | Qt::Key_F)}, false});
    a.optimizeWidths =
        makeAction(window, processing,
                   {"Optimize the chosen symbols on width", "N29", {QKeySequence(Qt::CTRL | Qt::Key_W)}, false});
    a.generateGlyphs = makeAction(window, processing, {"Generate glyphs…", "GenerateGlyphs", {}, false});
    a.setHeight = makeAction(window, processing,
                             {"Set height sets", "N32", {QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_H)}, false});

    a.languageMenu = makeMenu(window, "Language", "N23");
    auto* languages = new QActionGroup(window);
    a.english = makeAction(window, a.languageMenu, {"English (default)", "N33", {}, true});
    a.russian = makeAction(window, a.languageMenu, {"Русский", "N34", {}, true});
    a.loadLanguage = makeAction(window, a.languageMenu, {"Load", "N24", {}, true});
    for (QAction* item : {a.english, a.russian, a.loadLanguage}) {
        item->setCheckable(true);
        languages->addAction(item);
    }
    a.english->setChecked(true);
    a.languageMenu->setEnabled(false);
    a.languageMenu->menuAction()->setEnabled(false);

    QMenu* help = makeMenu(window, "?", "HelpMenu");
    a.about = makeAction(window, help, {"About...", "N26", {QKeySequence(Qt::CTRL | Qt::Key_F1)}, true});
    addComfortActions(window, a, file, edit, view);

    QToolBar* bar = window->addToolBar(QStringLiteral("Toolbar"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(20, 20));
    bar->setFixedHeight(30);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    addButton(bar, a.openFile, "SpeedButton1", Pictogram::Open, "Open file");
    addButton(bar, a.saveLangpack, "SpeedButton2", Pictogram::SaveLangpack, "Save langpack");
    addButton(bar, a.saveImage, "SpeedButton7", Pictogram::SaveImage, "Save image");
    bar->addSeparator();
    addButton(bar, a.exportBitmap, "SpeedButton3", Pictogram::ExportBitmap, "Export bitmap");
    addButton(bar, a.importBitmap, "SpeedButton4", Pictogram::ImportBitmap, "Import bitmap");
    addButton(bar, a.copy, "SpeedButton10", Pictogram::Copy, "Copy");
    addButton(bar, a.cut, "SpeedButton11", Pictogram::Cut, "Cut");
    addButton(bar, a.paste, "SpeedButton12", Pictogram::Paste, "Paste");
    addButton(bar, a.undo, "SpeedButton16", Pictogram::Undo, "Undo");
    addButton(bar, a.shiftLeft, "SpeedButton13", Pictogram::ShiftLeft, "Shift left");
    addButton(bar, a.shiftRight, "SpeedButton14", Pictogram::ShiftRight, "Shift right");
    bar->addSeparator();
    addButton(bar, a.zoomIn, "SpeedButton6", Pictogram::ZoomIn, "Zoom in");
    addButton(bar, a.zoomOut, "SpeedButton5", Pictogram::ZoomOut, "Zoom out");
    bar->addSeparator();
    addButton(bar, a.selectFont, "SpeedButton8", Pictogram::WindowsFont, "Windows font");
    addButton(bar, a.replaceSymbols, "SpeedButton15", Pictogram::ReplaceSymbols, "Replace chosen symbols");
    addButton(bar, a.optimizeWidths, "SpeedButton17", Pictogram::OptimizeWidths, "Optimize widths");
    a.toolBar = bar;
    return a;
}

}  // namespace glyphora
