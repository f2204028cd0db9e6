// Pointer events and the drawing tools of the glyph editor.
#include "GlyphEditor.h"

#include "EditorDetail.h"
#include "Raster.h"
#include "ToolBehaviour.h"

#include <algorithm>

namespace glyphora {

using namespace editor_detail;

namespace {

// Screen coordinate -> glyph coordinate: the canvas draws glyph pixel k on
// screen pixels kZ ... kZ+Z-1, so those are the ones that give k.
int mapAxis(int X, int glyphSize, int zoom) {
    if (X <= 0 || zoom <= 0) return 0;
    return std::min(X / zoom, std::max(glyphSize - 1, 0));
}

}  // namespace

// --- pointer ----------------------------------------------------------------------

PixelPoint GlyphEditor::MapPointer(int X, int Y) const {
    return {mapAxis(X, glyphWidth_, zoom_), mapAxis(Y, glyphHeight_, zoom_)};
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
    if (tool_ == Tool::Eraser && !Erasing() && eraserPreview_) {
        removeEraserPreview();
        reportCanvas();
    }
}

void GlyphEditor::clampCursor() {
    cursor_.x = std::clamp(cursor_.x, 0, std::max(glyphWidth_ - 1, 0));
    cursor_.y = std::clamp(cursor_.y, 0, std::max(glyphHeight_ - 1, 0));
}

// --- the tools --------------------------------------------------------------------

void GlyphEditor::drawShape(const gesture::ShapeDrag& drag, bool preview) {
    const PenMode mode = preview ? PenMode::NotXor : PenMode::Copy;
    const Pen outline{drag.outline, mode};
    const std::optional<Pen> interior = drag.filled ? std::optional<Pen>(Pen{drag.inside, mode}) : std::nullopt;
    if (drag.shape == ShapeKind::Rectangle)
        DrawRectangle(canvas_, drag.box, outline, interior);
    else
        DrawEllipse(canvas_, drag.box, outline, interior);
}

void GlyphEditor::pressTool(MouseButton b) {
    const ToolBehaviour tool = BehaviourOf(tool_);
    const Pixel colour = tool.colourByButton ? buttonColour(b) : SecondaryColor;
    switch (tool.action) {
    case ToolAction::None: break;
    case ToolAction::Freehand:
        canvas_.setPixel(cursor_.x, cursor_.y, colour);
        gesture_ = gesture::Stroke{colour, cursor_};
        break;
    case ToolAction::Select: pressSelection(); break;
    case ToolAction::OpenDialog:
        // The pointer is given back before the modal dialog takes over.
        leftDown_ = rightDown_ = false;
        host().openTextDialog();
        break;
    case ToolAction::Erase:
        beginEdit();
        // The hover square under the pointer is now part of the erasure.
        eraserPreview_.reset();
        gesture_ = gesture::Erasure{};
        break;
    case ToolAction::Flood:
        FloodFill(canvas_, cursor_, colour);
        gesture_ = gesture::Flood{};
        break;
    case ToolAction::Line: gesture_ = gesture::LineDrag{colour, cursor_, cursor_}; break;
    case ToolAction::Shape: {
        clampCursor();
        const gesture::ShapeDrag drag{tool.shape, tool.filled,
                                      colour,     opposite(colour),
                                      cursor_,    PixelRect{cursor_.x, cursor_.y, cursor_.x + 1, cursor_.y + 1}};
        drawShape(drag, true);
        gesture_ = drag;
        break;
    }
    }
}

void GlyphEditor::moveTool(int X, int Y) {
    if (tool_ == Tool::Selection) {
        moveSelection();
        return;
    }
    if (tool_ == Tool::Eraser) {
        moveEraser(X, Y);
        return;
    }
    if (auto* stroke = std::get_if<gesture::Stroke>(&gesture_)) {
        if (!leftDown_ && !rightDown_) return;
        DrawLine(canvas_, stroke->pen, cursor_, Pen{stroke->colour});
        canvas_.setPixel(cursor_.x, cursor_.y, stroke->colour);
        stroke->pen = cursor_;
    } else if (auto* line = std::get_if<gesture::LineDrag>(&gesture_)) {
        DrawLine(canvas_, line->anchor, line->end, Pen{line->colour, PenMode::NotXor});
        DrawLine(canvas_, line->anchor, cursor_, Pen{line->colour, PenMode::NotXor});
        line->end = cursor_;
    } else if (auto* drag = std::get_if<gesture::ShapeDrag>(&gesture_)) {
        clampCursor();
        drawShape(*drag, true);
        drag->box = SpanRect(drag->anchor, cursor_);
        drawShape(*drag, true);
    } else {
        return;
    }
    reportCanvas();
}

void GlyphEditor::releaseTool() {
    if (tool_ == Tool::Selection) {
        releaseSelection();
        return;
    }
    if (std::holds_alternative<gesture::Stroke>(gesture_) || std::holds_alternative<gesture::Flood>(gesture_)) {
        gesture_ = gesture::Idle{};
        if (!leftDown_ && !rightDown_) return;
        beginEdit();
        ImageToPictures();
    } else if (std::holds_alternative<gesture::Erasure>(gesture_)) {
        gesture_ = gesture::Idle{};
        ImageToPictures();
    } else if (const auto* line = std::get_if<gesture::LineDrag>(&gesture_)) {
        const gesture::LineDrag done = *line;
        gesture_ = gesture::Idle{};
        DrawLine(canvas_, done.anchor, done.end, Pen{done.colour, PenMode::NotXor});
        beginEdit();
        DrawLine(canvas_, done.anchor, cursor_, Pen{done.colour});
        ImageToPictures();
    } else if (const auto* drag = std::get_if<gesture::ShapeDrag>(&gesture_)) {
        const gesture::ShapeDrag done = *drag;
        drawShape(done, true);
        beginEdit();
        gesture_ = gesture::Idle{};
        // The last box stays where a selection tool would find it.
        selection_.rect = done.box;
        drawShape(done, false);
        ImageToPictures();
    }
}

void GlyphEditor::moveEraser(int X, int Y) {
    auto squareAt = [](PixelPoint p) { return PixelRect{p.x - 4, p.y - 4, p.x + 6, p.y + 6}; };
    if (std::holds_alternative<gesture::Erasure>(gesture_)) {
        FillRect(canvas_, squareAt(cursor_), SecondaryColor);
        reportCanvas();
        return;
    }
    // Hovering: the square shows where a press would erase, and is taken away
    // again on the canvas's outermost ring of screen pixels.
    removeEraserPreview();
    if (X > 0 && X < canvasWidth() - 1 && Y > 0 && Y < canvasHeight() - 1) {
        eraserPreview_ = squareAt(cursor_);
        FillRect(canvas_, *eraserPreview_, SecondaryColor);
    }
    reportCanvas();
}

}  // namespace glyphora
