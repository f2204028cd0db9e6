#include "WheelZoom.h"

#include <QAction>
#include <QWheelEvent>
#include <QWidget>

namespace glyphora {

namespace {

constexpr int kNotch = 120;  // angle delta of one wheel notch

class WheelZoomFilter : public QObject {
public:
    WheelZoomFilter(QObject* parent, QAction* zoomIn, QAction* zoomOut)
        : QObject(parent), zoomIn_(zoomIn), zoomOut_(zoomOut) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Wheel) return QObject::eventFilter(watched, event);
        const auto* wheel = static_cast<QWheelEvent*>(event);
        if (!(wheel->modifiers() & Qt::ControlModifier)) return false;
        // Touchpads send fractions of a notch: they add up to whole steps.
        pending_ += wheel->angleDelta().y();
        for (; pending_ >= kNotch; pending_ -= kNotch)
            if (zoomIn_->isEnabled()) zoomIn_->trigger();
        for (; pending_ <= -kNotch; pending_ += kNotch)
            if (zoomOut_->isEnabled()) zoomOut_->trigger();
        return true;  // a Ctrl + wheel never scrolls
    }

private:
    QAction* zoomIn_;
    QAction* zoomOut_;
    int pending_ = 0;
};

}  // namespace

void installWheelZoom(const QList<QWidget*>& widgets, QAction* zoomIn, QAction* zoomOut) {
    if (widgets.isEmpty()) return;
    auto* filter = new WheelZoomFilter(widgets.front(), zoomIn, zoomOut);
    for (QWidget* w : widgets) w->installEventFilter(filter);
}

}  // namespace glyphora
