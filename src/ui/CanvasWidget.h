// The canvas control ("Image1"): shows the editor's CanvasImage magnified by
// ZoomFactor without smoothing, with a cross-hair pointer, and feeds mouse
// events to the editor core. Lives in a QScrollArea ("ScrollBox1").
#pragma once

#include <QWidget>

#include <optional>

class QPainter;

namespace glyphora {

class GlyphEditor;

class CanvasWidget : public QWidget {
    Q_OBJECT
public:
    explicit CanvasWidget(GlyphEditor* editor, QWidget* parent = nullptr);

    // Call after the editor reported canvasResized(): takes GlyphWidth x ZoomFactor
    // by GlyphHeight x ZoomFactor as the fixed size.
    void syncSize();

    QSize sizeHint() const override;

    // Thin lines between the glyph's pixels (from zoom 4) and a frame along
    // its edges (from zoom 2), over the picture only: the glyph is not touched.
    void setPixelGrid(bool on);
    bool pixelGrid() const { return pixelGrid_; }

    // The set's guides, 0-based rows: a bold line under the baseline row and
    // a thin one over the cap-height row, drawn over the picture.
    void setGuides(std::optional<int> baseline, std::optional<int> capHeight);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QPoint canvasPoint(const QPointF& position) const;

    void paintGrid(QPainter& painter, const QRect& damaged) const;
    void paintGuides(QPainter& painter) const;

    GlyphEditor* editor_;
    bool pixelGrid_ = false;
    std::optional<int> baseline_;
    std::optional<int> capHeight_;
};

}  // namespace glyphora
