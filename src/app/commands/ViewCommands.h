// "View" beside the zoom pair: the pixel grid and the sample-text panel
// (shown or not, its clicks choosing a glyph), and Ctrl + wheel over the
// canvas walking the zoom ladder.
#pragma once

#include "CommandContext.h"

class QDockWidget;

namespace glyphora {

class CanvasWidget;
class EditorBinding;
class SamplePanel;
class ViewPreferences;

struct ViewParts {
    CanvasWidget* canvas;
    QWidget* canvasArea;  // the scrolling pane around the canvas
    SamplePanel* samplePanel;
    QDockWidget* glyphMap;
    EditorBinding* binding;
    ViewPreferences& preferences;
};

void BindViewCommands(const CommandContext& context, const ViewParts& parts);

}  // namespace glyphora
