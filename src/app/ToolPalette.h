// The drawing-tool palette down the left edge: ten toggle buttons in two
// columns that act as one group with at most one tool down (clicking the
// pressed one releases it, leaving no tool), and the two colour swatches.
#pragma once

#include <GlyphEditor.h>

#include <QWidget>

#include <vector>

class QToolButton;

namespace glyphora {

class ToolPalette : public QWidget {
    Q_OBJECT
public:
    explicit ToolPalette(QWidget* parent = nullptr);

    Tool currentTool() const;
    // Presses a tool's button from code without reporting a click.
    void press(Tool tool);
    QToolButton* button(Tool tool) const;

signals:
    // A button was clicked: the tool now chosen (Tool::None when released).
    void toolClicked(glyphora::Tool tool);

private:
    void onClicked(QToolButton* clicked);

    struct Entry {
        Tool tool;
        QToolButton* button;
    };
    std::vector<Entry> entries_;
};

}  // namespace glyphora
