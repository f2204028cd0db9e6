// The Qt side of the glyph editor: what the editor reports reaches the canvas,
// the status bar and the system clipboard here. The pieces that belong to the
// window (the tool palette, the text dialog) are given as callbacks.
#pragma once

#include <EditorHost.h>

#include <functional>

namespace glyphora {

class CanvasWidget;
class StatusPresenter;

class EditorBinding : public EditorHost {
public:
    EditorBinding(CanvasWidget* canvas, StatusPresenter* status) : canvas_(canvas), status_(status) {}

    std::function<void()> onPressSelectionTool;
    std::function<void()> onOpenTextDialog;
    // After the canvas has been told to repaint: other views of the glyph follow.
    std::function<void()> onCanvasChanged;

    void canvasChanged() override;
    void canvasResized() override;
    void statusValue(StatusPanel panel, int a, int b) override;
    void statusCleared(StatusPanel panel) override;
    void pressSelectionTool() override;
    void openTextDialog() override;
    void putClipboardImage(const MonoImage& image) override;

private:
    CanvasWidget* canvas_;
    StatusPresenter* status_;
};

}  // namespace glyphora
