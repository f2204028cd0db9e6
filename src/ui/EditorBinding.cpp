#include "EditorBinding.h"

#include "CanvasWidget.h"
#include "ImageConvert.h"
#include "StatusPresenter.h"

#include <QClipboard>
#include <QGuiApplication>

namespace glyphora {

void EditorBinding::canvasChanged() {
    canvas_->update();
    if (onCanvasChanged) onCanvasChanged();
}

void EditorBinding::canvasResized() { canvas_->syncSize(); }

void EditorBinding::statusValue(StatusPanel panel, int a, int b) { status_->show(panel, a, b); }

void EditorBinding::statusCleared(StatusPanel panel) { status_->clear(panel); }

void EditorBinding::pressSelectionTool() {
    if (onPressSelectionTool) onPressSelectionTool();
}

void EditorBinding::openTextDialog() {
    if (onOpenTextDialog) onOpenTextDialog();
}

void EditorBinding::putClipboardImage(const MonoImage& image) {
    QGuiApplication::clipboard()->setImage(toQImage(image, QImage::Format_RGB32));
}

}  // namespace glyphora
