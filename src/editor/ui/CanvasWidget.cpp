#include "CanvasWidget.h"

#include "GlyphEditor.h"
#include "ImageConvert.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace glyphora {

namespace {

bool toEditorButton(Qt::MouseButton button, MouseButton& out) {
    switch (button) {
    case Qt::LeftButton: out = MouseButton::Left; return true;
    case Qt::RightButton: out = MouseButton::Right; return true;
    case Qt::MiddleButton: out = MouseButton::Middle; return true;
    default: return false;
    }
}

}  // namespace

CanvasWidget::CanvasWidget(GlyphEditor* editor, QWidget* parent) : QWidget(parent), editor_(editor) {
    setObjectName(QStringLiteral("Image1"));
    setCursor(Qt::CrossCursor);
    // Moves without a button held still update the read-out and the eraser's square.
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    syncSize();
}

void CanvasWidget::syncSize() {
    setFixedSize(editor_->canvasWidth(), editor_->canvasHeight());
    update();
}

QSize CanvasWidget::sizeHint() const { return {editor_->canvasWidth(), editor_->canvasHeight()}; }

void CanvasWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const int zoom = editor_->ZoomFactor();
    const MonoImage& canvas = editor_->CanvasImage();
    // Only the glyph rows the damaged area touches are converted and scaled.
    const QRect damaged = event->rect().intersected(rect());
    if (damaged.isEmpty()) return;
    // Between a size change and the glyph that follows it the picture may not
    // cover the control; what it leaves is shown as paper.
    if (canvas.width() * zoom < width() || canvas.height() * zoom < height()) painter.fillRect(damaged, Qt::white);
    if (canvas.isEmpty()) return;
    const int top = damaged.top() / zoom;
    const int bottom = std::min(canvas.height(), damaged.bottom() / zoom + 1);
    if (bottom <= top) return;
    const QImage rows = toQImage(canvas.copy(0, top, canvas.width(), bottom - top));
    const QImage magnified =
        rows.scaled(rows.width() * zoom, rows.height() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    painter.drawImage(QPoint(0, top * zoom), magnified);
}

QPoint CanvasWidget::canvasPoint(const QPointF& position) const {
    // The implicit grab keeps events coming while a button is held; they are
    // confined to the canvas as the pointer would be.
    const int x = std::clamp(static_cast<int>(std::floor(position.x())), 0, std::max(width() - 1, 0));
    const int y = std::clamp(static_cast<int>(std::floor(position.y())), 0, std::max(height() - 1, 0));
    return {x, y};
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
    MouseButton button;
    if (!toEditorButton(event->button(), button)) return;
    const QPoint p = canvasPoint(event->position());
    editor_->mouseDown(button, p.x(), p.y());
    update();
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = canvasPoint(event->position());
    editor_->mouseMove(p.x(), p.y());
    update();
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
    MouseButton button;
    if (!toEditorButton(event->button(), button)) return;
    const QPoint p = canvasPoint(event->position());
    editor_->mouseUp(button, p.x(), p.y());
    update();
}

void CanvasWidget::leaveEvent(QEvent* event) {
    editor_->mouseLeave();
    update();
    QWidget::leaveEvent(event);
}

}  // namespace glyphora
