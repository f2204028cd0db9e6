#include "KeypadZoom.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>

namespace glyphora {

namespace {

class KeypadZoomFilter : public QObject {
public:
    KeypadZoomFilter(QMainWindow* window, QAction* zoomIn, QAction* zoomOut)
        : QObject(window), window_(window), zoomIn_(zoomIn), zoomOut_(zoomOut) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!(key->modifiers() & Qt::KeypadModifier) || !widget || widget->window() != window_ ||
            qobject_cast<QLineEdit*>(widget))
            return false;
        QAction* zoom = key->key() == Qt::Key_Plus ? zoomIn_ : key->key() == Qt::Key_Minus ? zoomOut_ : nullptr;
        if (!zoom || !zoom->isEnabled()) return false;
        zoom->trigger();
        return true;
    }

private:
    QMainWindow* window_;
    QAction* zoomIn_;
    QAction* zoomOut_;
};

}  // namespace

void installKeypadZoom(QMainWindow* window, QAction* zoomIn, QAction* zoomOut) {
    qApp->installEventFilter(new KeypadZoomFilter(window, zoomIn, zoomOut));
}

}  // namespace glyphora
