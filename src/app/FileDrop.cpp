#include "FileDrop.h"

#include <QDropEvent>
#include <QMainWindow>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace glyphora {

namespace {

// The first local file of the drag, or nothing.
QString DroppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls()) return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) return url.toLocalFile();
    return {};
}

class FileDropFilter : public QObject {
public:
    FileDropFilter(QMainWindow* window, std::function<void(const QString&)> open)
        : QObject(window), open_(std::move(open)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDropEvent*>(event);
            if (DroppedFile(drag->mimeData()).isEmpty()) return false;
            drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            const QString path = DroppedFile(drop->mimeData());
            if (path.isEmpty()) return false;
            drop->acceptProposedAction();
            QTimer::singleShot(0, this, [this, path] { open_(path); });
            return true;
        }
        default: return QObject::eventFilter(watched, event);
        }
    }

private:
    std::function<void(const QString&)> open_;
};

}  // namespace

void installFileDrop(QMainWindow* window, std::function<void(const QString& path)> open) {
    window->setAcceptDrops(true);
    window->installEventFilter(new FileDropFilter(window, std::move(open)));
}

}  // namespace glyphora
