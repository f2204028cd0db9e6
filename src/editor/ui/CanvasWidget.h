// The canvas control ("Image1"): shows the editor's CanvasImage magnified by
// ZoomFactor without smoothing, with a cross-hair pointer, and feeds mouse
// events to the editor core. Lives in a QScrollArea ("ScrollBox1").
#pragma once

#include <QWidget>

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

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QPoint canvasPoint(const QPointF& position) const;

    GlyphEditor* editor_;
};

}  // namespace glyphora
