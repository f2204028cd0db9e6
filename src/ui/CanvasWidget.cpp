#include "CanvasWidget.h"

#include "GlyphEditor.h"
#include "ImageConvert.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace glyphora {

namespace {

// The grid shows on ink and on paper alike; the frame stands out from both.
constexpr QRgb kGridColour = qRgba(128, 128, 128, 160);
constexpr QRgb kFrameColour = qRgb(0, 120, 215);
constexpr int kGridZoom = 4;
constexpr int kFrameZoom = 2;
// Translucent, so the pixels under a guide still show.
constexpr QRgb kBaselineColour = qRgba(220, 40, 40, 190);
constexpr QRgb kCapHeightColour = qRgba(20, 150, 70, 190);

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
    if (pixelGrid_) paintGrid(painter, damaged);
    paintGuides(painter);
}

void CanvasWidget::setGuides(std::optional<int> baseline, std::optional<int> capHeight) {
    if (baseline_ == baseline && capHeight_ == capHeight) return;
    baseline_ = baseline;
    capHeight_ = capHeight;
    update();
}

// The baseline lies on the bottom edge of its row, the cap height on the top
// edge of its row; a line at the canvas's edge stays inside it.
void CanvasWidget::paintGuides(QPainter& painter) const {
    const int zoom = editor_->ZoomFactor();
    auto line = [&](int y, int thickness, QRgb colour) {
        y = std::clamp(y, 0, std::max(height() - thickness, 0));
        painter.fillRect(QRect(0, y, width(), thickness), QColor::fromRgba(colour));
    };
    if (capHeight_ && *capHeight_ < editor_->GlyphHeight()) line(*capHeight_ * zoom, 1, kCapHeightColour);
    if (baseline_ && *baseline_ < editor_->GlyphHeight()) {
        const int bold = zoom >= 2 ? 2 : 1;
        line((*baseline_ + 1) * zoom - bold / 2, bold, kBaselineColour);
    }
}

void CanvasWidget::setPixelGrid(bool on) {
    if (pixelGrid_ == on) return;
    pixelGrid_ = on;
    update();
}

// A line one screen pixel wide on the first column (row) of every glyph pixel
// but the first; the frame on the outermost screen pixels marks the width.
void CanvasWidget::paintGrid(QPainter& painter, const QRect& damaged) const {
    const int zoom = editor_->ZoomFactor();
    const int w = width(), h = height();
    if (zoom >= kGridZoom) {
        painter.setPen(QColor::fromRgba(kGridColour));
        for (int x = (damaged.left() / zoom + 1) * zoom; x <= damaged.right() && x < w; x += zoom)
            painter.drawLine(x, damaged.top(), x, damaged.bottom());
        for (int y = (damaged.top() / zoom + 1) * zoom; y <= damaged.bottom() && y < h; y += zoom)
            painter.drawLine(damaged.left(), y, damaged.right(), y);
    }
    if (zoom >= kFrameZoom && w > 0 && h > 0) {
        painter.setPen(QColor::fromRgb(kFrameColour));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(0, 0, w - 1, h - 1);
    }
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
