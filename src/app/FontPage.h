// The page "Font": the canvas in its scrolling pane (ScrollBox1) at the top
// left, the glyph grid (StringGrid3) at the right and the font-set grid
// (StringGrid4) across the bottom.
#pragma once

#include <Langpack.h>

#include <QWidget>

class QScrollArea;
class QSplitter;
class QTableView;
class QTableWidget;

namespace glyphora {

class CanvasWidget;

// Rows of the glyph grid (0-based glyph indices), top to bottom, both included.
struct GridRowRange {
    int top = -1;
    int bottom = -1;
};
class GlyphEditor;
class GlyphTableModel;

class FontPage : public QWidget {
    Q_OBJECT
public:
    FontPage(GlyphEditor* editor, GlyphTableModel* glyphs, QWidget* parent = nullptr);

    CanvasWidget* canvas() const { return canvas_; }
    QScrollArea* scrollBox() const { return scrollBox_; }
    QTableView* glyphGrid() const { return glyphGrid_; }
    QTableWidget* setGrid() const { return setGrid_; }
    // Between the canvas with the glyph grid and the set grid.
    QSplitter* splitter() const { return splitter_; }

    // One row per font set: number, description, height.
    void showSets(const TLangpack& langpack);
    void setHeightCell(int setIndex, int height);
    // Rows are 0-based glyph or set indices; choosing from code reports nothing.
    void chooseSetRow(int row);
    void chooseGlyphRow(int row);
    int glyphRow() const;
    // The selected range of the glyph grid; the current row alone when
    // nothing is selected; -1 to -1 when the grid is empty.
    GridRowRange chosenGlyphRows() const;
    // Rows at least 18 pixels high, higher for taller sets.
    void fitGlyphRows(int setHeight);
    void fitColumns();

signals:
    // The user moved to another row; `previous` is where the grid was before,
    // so a refused move can be put back.
    void setRowChosen(int row, int previous);
    void glyphRowChosen(int row, int previous);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CanvasWidget* canvas_;
    QScrollArea* scrollBox_;
    QTableView* glyphGrid_;
    QTableWidget* setGrid_;
    QSplitter* splitter_;
    bool choosingFromCode_ = false;
};

}  // namespace glyphora
