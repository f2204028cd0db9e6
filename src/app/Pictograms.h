// The pictures of the toolbar, the tool palette and the window icon, drawn in
// code on a 24 x 24 design grid so they stay crisp at every size.
#pragma once

#include <QIcon>

namespace glyphora {

enum class Pictogram {
    Open,
    SaveLangpack,
    SaveImage,
    ExportBitmap,
    ImportBitmap,
    Copy,
    Cut,
    Paste,
    Undo,
    ShiftLeft,
    ShiftRight,
    ZoomIn,
    ZoomOut,
    FitGlyph,
    WindowsFont,
    ReplaceSymbols,
    OptimizeWidths,
    Pencil,
    Selection,
    Text,
    Eraser,
    Fill,
    Line,
    Rectangle,
    FilledRectangle,
    Ellipse,
    FilledEllipse,
    Application,
};

QIcon PictogramIcon(Pictogram kind);

}  // namespace glyphora
