#include "ViewCommands.h"

#include <SamplePanel.h>
#include <ViewPreferences.h>
#include <WheelZoom.h>

#include <CanvasWidget.h>
#include <EditorBinding.h>

#include <QAction>
#include <QDockWidget>

namespace glyphora {

void BindViewCommands(const CommandContext& c, const ViewParts& parts) {
    Session& s = c.session;
    QAction* pixelGrid = c.actions.action(Command::PixelGrid);
    QAction* sampleText = c.actions.action(Command::SampleText);
    ViewPreferences& preferences = parts.preferences;

    pixelGrid->setChecked(preferences.pixelGrid());
    parts.canvas->setPixelGrid(preferences.pixelGrid());
    Bind(c, Command::PixelGrid, [grid = pixelGrid, canvas = parts.canvas, &preferences] {
        canvas->setPixelGrid(grid->isChecked());
        preferences.setPixelGrid(grid->isChecked());
    });

    sampleText->setChecked(preferences.sampleTextShown());
    parts.samplePanel->setVisible(preferences.sampleTextShown());
    Bind(c, Command::SampleText, [shown = sampleText, panel = parts.samplePanel, &preferences] {
        panel->setVisible(shown->isChecked());
        preferences.setSampleTextShown(shown->isChecked());
    });
    // The map's visibility is kept with the window's layout; its own close
    // button and the menu item agree through the dock's view action.
    QAction* glyphMap = c.actions.action(Command::GlyphMap);
    Bind(c, Command::GlyphMap, [glyphMap, dock = parts.glyphMap] { dock->setVisible(glyphMap->isChecked()); });
    QObject::connect(parts.glyphMap->toggleViewAction(), &QAction::toggled, glyphMap,
                     [glyphMap](bool shown) { glyphMap->setChecked(shown); });
    QObject::connect(parts.samplePanel, &SamplePanel::glyphClicked, parts.samplePanel,
                     [c, &s](int glyph) { RunCommand(c, [&s, glyph] { s.ChooseSymbol(glyph); }); });
    parts.binding->onCanvasChanged = [panel = parts.samplePanel] { panel->canvasChanged(); };

    installWheelZoom({parts.canvas, parts.canvasArea}, c.actions.action(Command::ZoomIn),
                     c.actions.action(Command::ZoomOut));
}

}  // namespace glyphora
