// Pointer events and the drawing tools of the glyph editor.
#include "GlyphEditor.h"

#include "EditorDetail.h"
#include "Raster.h"

#include <algorithm>

namespace glyphora {

using namespace editor_detail;

namespace {

// Screen coordinate -> glyph coordinate: screen pixels kZ+1 ... (k+1)Z give k,
// the first and the last screen pixel give the first and the last glyph pixel.
int mapAxis(int X, int screenSize, int glyphSize, int zoom) {
    if (X <= 0) return 0;
    if (X >= screenSize - 1) return glyphSize - 1;
    return (X + zoom - 1) / zoom - 1;
}

}  // namespace

// --- pointer ----------------------------------------------------------------------

PixelPoint GlyphEditor::MapPointer(int X, int Y) const {
    return {mapAxis(X, canvasWidth(), glyphWidth_, zoom_), mapAxis(Y, canvasHeight(), glyphHeight_, zoom_)};
}

void GlyphEditor::mouseDown(MouseButton b, int X, int Y) {
    // The middle button takes no part in drawing.
    if (b == MouseButton::Middle || canvasWidth() <= 0 || canvasHeight() <= 0) return;
    X = std::clamp(X, 0, canvasWidth() - 1);
    Y = std::clamp(Y, 0, canvasHeight() - 1);
    cursor_ = MapPointer(X, Y);
    (b == MouseButton::Left ? leftDown_ : rightDown_) = true;
    if (leftDown_ && rightDown_) {
        cancelGesture();
        return;
    }
    pressTool(b);
    reportCanvas();
}

void GlyphEditor::mouseMove(int X, int Y) {
    if (canvasWidth() <= 0 || canvasHeight() <= 0) return;
    X = std::clamp(X, 0, canvasWidth() - 1);
    Y = std::clamp(Y, 0, canvasHeight() - 1);
    cursor_ = MapPointer(X, Y);
    host().statusValue(StatusPanel::Cursor, cursor_.x, cursor_.y);
    moveTool(X, Y);
}

void GlyphEditor::mouseUp(MouseButton b, int X, int Y) {
    if (b == MouseButton::Middle || canvasWidth() <= 0 || canvasHeight() <= 0) return;
    X = std::clamp(X, 0, canvasWidth() - 1);
    Y = std::clamp(Y, 0, canvasHeight() - 1);
    cursor_ = MapPointer(X, Y);
    releaseTool();
    (b == MouseButton::Left ? leftDown_ : rightDown_) = false;
    reportCanvas();
}

void GlyphEditor::mouseLeave() {
    if (tool_ == Tool::Eraser && !erasing_ && eraserPreviewShown_) {
        removeEraserPreview();
        reportCanvas();
    }
}

void GlyphEditor::clampCursor() {
    cursor_.x = std::clamp(cursor_.x, 0, std::max(glyphWidth_ - 1, 0));
    cursor_.y = std::clamp(cursor_.y, 0, std::max(glyphHeight_ - 1, 0));
}

// --- the tools --------------------------------------------------------------------

bool& GlyphEditor::shapeFlag() {
    return tool_ == Tool::Rectangle || tool_ == Tool::FilledRectangle ? rectDragging_ : ellipseDragging_;
}

void GlyphEditor::drawShape(bool preview) {
    const PenMode mode = preview ? PenMode::NotXor : PenMode::Copy;
    const Pen outline{lineColour_, mode};
    const bool filled = tool_ == Tool::FilledRectangle || tool_ == Tool::FilledEllipse;
    const std::optional<Pen> interior = filled ? std::optional<Pen>(Pen{fillColour_, mode}) : std::nullopt;
    if (tool_ == Tool::Rectangle || tool_ == Tool::FilledRectangle)
        DrawRectangle(canvas_, selectionRect_, outline, interior);
    else
        DrawEllipse(canvas_, selectionRect_, outline, interior);
}

void GlyphEditor::pressTool(MouseButton b) {
    switch (tool_) {
    case Tool::None:
        break;
    case Tool::Pencil:
        lineColour_ = buttonColour(b);
        canvas_.setPixel(cursor_.x, cursor_.y, lineColour_);
        penPosition_ = cursor_;
        break;
    case Tool::Selection:
        pressSelection();
        break;
    case Tool::Text:
        // The pointer is given back before the modal dialog takes over.
        leftDown_ = rightDown_ = false;
        host().openTextDialog();
        break;
    case Tool::Eraser:
        EditingImage();
        Undo();
        fillColour_ = SecondaryColor;
        erasing_ = true;
        // The hover square under the pointer is now part of the erasure.
        eraserPreviewShown_ = false;
        break;
    case Tool::Fill:
        fillColour_ = buttonColour(b);
        FloodFill(canvas_, cursor_, fillColour_);
        break;
    case Tool::Line:
        dragAnchor_ = lineEnd_ = cursor_;
        lineColour_ = buttonColour(b);
        lineDragging_ = true;
        break;
    case Tool::Rectangle:
    case Tool::FilledRectangle:
    case Tool::Ellipse:
    case Tool::FilledEllipse:
        clampCursor();
        dragAnchor_ = cursor_;
        lineColour_ = buttonColour(b);
        fillColour_ = opposite(lineColour_);
        selectionRect_ = {cursor_.x, cursor_.y, cursor_.x + 1, cursor_.y + 1};
        drawShape(true);
        shapeFlag() = true;
        break;
    }
}

void GlyphEditor::moveTool(int X, int Y) {
    switch (tool_) {
    case Tool::Pencil:
        if (!leftDown_ && !rightDown_) return;
        DrawLine(canvas_, penPosition_, cursor_, Pen{lineColour_});
        canvas_.setPixel(cursor_.x, cursor_.y, lineColour_);
        penPosition_ = cursor_;
        break;
    case Tool::Selection:
        moveSelection();
        break;
    case Tool::Eraser:
        moveEraser(X, Y);
        break;
    case Tool::Line:
        if (!lineDragging_) return;
        DrawLine(canvas_, dragAnchor_, lineEnd_, Pen{lineColour_, PenMode::NotXor});
        DrawLine(canvas_, dragAnchor_, cursor_, Pen{lineColour_, PenMode::NotXor});
        lineEnd_ = cursor_;
        break;
    case Tool::Rectangle:
    case Tool::FilledRectangle:
    case Tool::Ellipse:
    case Tool::FilledEllipse:
        if (!shapeFlag()) return;
        clampCursor();
        drawShape(true);
        selectionRect_ = SpanRect(dragAnchor_, cursor_);
        drawShape(true);
        break;
    case Tool::None:
    case Tool::Text:
    case Tool::Fill:
        return;
    }
    reportCanvas();
}

void GlyphEditor::releaseTool() {
    switch (tool_) {
    case Tool::Pencil:
    case Tool::Fill:
        if (!leftDown_ && !rightDown_) return;
        EditingImage();
        Undo();
        ImageToPictures();
        break;
    case Tool::Selection:
        releaseSelection();
        break;
    case Tool::Eraser:
        if (!erasing_) return;
        erasing_ = false;
        ImageToPictures();
        break;
    case Tool::Line:
        if (!lineDragging_) return;
        lineDragging_ = false;
        DrawLine(canvas_, dragAnchor_, lineEnd_, Pen{lineColour_, PenMode::NotXor});
        EditingImage();
        Undo();
        DrawLine(canvas_, dragAnchor_, cursor_, Pen{lineColour_});
        lineEnd_ = cursor_;
        ImageToPictures();
        break;
    case Tool::Rectangle:
    case Tool::FilledRectangle:
    case Tool::Ellipse:
    case Tool::FilledEllipse:
        if (!shapeFlag()) return;
        drawShape(true);
        EditingImage();
        Undo();
        shapeFlag() = false;
        drawShape(false);
        ImageToPictures();
        break;
    case Tool::None:
    case Tool::Text:
        break;
    }
}

void GlyphEditor::moveEraser(int X, int Y) {
    auto squareAt = [](PixelPoint p) { return PixelRect{p.x - 4, p.y - 4, p.x + 6, p.y + 6}; };
    if (erasing_) {
        selectionRect_ = squareAt(cursor_);
        FillRect(canvas_, selectionRect_, SecondaryColor);
        reportCanvas();
        return;
    }
    // Hovering: the square shows where a press would erase, and is taken away
    // again on the canvas's outermost ring of screen pixels.
    removeEraserPreview();
    if (X > 0 && X < canvasWidth() - 1 && Y > 0 && Y < canvasHeight() - 1) {
        selectionRect_ = squareAt(cursor_);
        FillRect(canvas_, selectionRect_, SecondaryColor);
        eraserPreviewShown_ = true;
    }
    reportCanvas();
}

}  // namespace glyphora
