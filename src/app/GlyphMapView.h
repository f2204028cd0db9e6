// The glyph map: the current set's glyphs as pictures in rows, each with its
// code under it and the changed mark, at 1x to 4x (Ctrl + wheel). It shows the
// glyph grid's model through the grid's own selection model, so a glyph chosen
// or a range selected in one is the same in the other.
#pragma once

#include <QDockWidget>
#include <QListView>

class QItemSelectionModel;

namespace glyphora {

class GlyphTableModel;

class GlyphMapView : public QListView {
    Q_OBJECT
public:
    GlyphMapView(GlyphTableModel* model, QItemSelectionModel* selection, QWidget* parent = nullptr);

    int scale() const { return scale_; }
    void setScale(int scale);
    // The cell every glyph gets: the widest glyph and the set's height at the
    // scale, with room for the code under it.
    QSize cellSize() const;

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    void relayout();

    GlyphTableModel* model_;
    int scale_ = 2;
};

// The dock that holds the map ("Glyph map" in the View menu).
class GlyphMapDock : public QDockWidget {
    Q_OBJECT
public:
    GlyphMapDock(GlyphTableModel* model, QItemSelectionModel* selection, QWidget* parent = nullptr);
    GlyphMapView* view() const { return view_; }

private:
    GlyphMapView* view_;
};

}  // namespace glyphora
