#include "DockedSizes.h"

#include <QDockWidget>
#include <QEvent>
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

namespace glyphora {

namespace {

class DockedSizeKeeper : public QObject {
public:
    explicit DockedSizeKeeper(QMainWindow* window) : QObject(window), window_(window) {}

    void watch(QDockWidget* dock) {
        dock->installEventFilter(this);
        connect(dock, &QDockWidget::topLevelChanged, this, [this, dock](bool floating) {
            if (floating) {
                // Resizes while it goes back belong to the floating size.
                kept_[dock] = docked_.value(dock);
                return;
            }
            QTimer::singleShot(0, this, [this, dock = QPointer<QDockWidget>(dock)] {
                if (dock && !dock->isFloating()) restore(dock);
            });
        });
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dock = qobject_cast<QDockWidget*>(watched);
        if (event->type() == QEvent::Resize && dock && !dock->isFloating()) docked_[dock] = dock->size();
        return false;
    }

private:
    void restore(QDockWidget* dock) {
        const QSize size = kept_.value(dock);
        if (!size.isValid()) return;
        const Qt::DockWidgetArea area = window_->dockWidgetArea(dock);
        const bool across = area == Qt::TopDockWidgetArea || area == Qt::BottomDockWidgetArea;
        window_->resizeDocks({dock}, {across ? size.height() : size.width()}, across ? Qt::Vertical : Qt::Horizontal);
        docked_[dock] = dock->size();
    }

    QMainWindow* window_;
    QHash<QDockWidget*, QSize> docked_;  // the size while docked, last seen
    QHash<QDockWidget*, QSize> kept_;    // the docked size when it began to float
};

}  // namespace

void keepDockedSizes(QMainWindow* window, std::initializer_list<QDockWidget*> docks) {
    auto* keeper = new DockedSizeKeeper(window);
    for (QDockWidget* dock : docks) keeper->watch(dock);
}

}  // namespace glyphora
