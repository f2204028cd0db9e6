#include "GlyphEditor.h"

#include "Raster.h"

#include <algorithm>
#include <string>

namespace glyphora {

namespace {

constexpr Pixel PrimaryColor = Pixel::Ink;
constexpr Pixel SecondaryColor = Pixel::Paper;
constexpr int kBlankSize = 128;
constexpr int kMinWidth = 1;

int editWidthFor(int glyphWidth) { return 8 * ((std::max(glyphWidth, 0) + 7) / 8); }

Pixel buttonColour(MouseButton b) { return b == MouseButton::Right ? SecondaryColor : PrimaryColor; }
Pixel opposite(Pixel p) { return p == Pixel::Ink ? Pixel::Paper : Pixel::Ink; }

std::string sizeText(const char* word, int w, int h) {
    return word + std::to_string(w) + "x" + std::to_string(h);
}

// Copies the area of src onto dst at the same place.
void copyArea(MonoImage& dst, const MonoImage& src, PixelRect area) {
    if (area.isEmpty()) return;
    dst.draw(src.copy(area.Left, area.Top, area.width(), area.height()), area.Left, area.Top);
}

// Screen coordinate -> glyph coordinate: screen pixels kZ+1 ... (k+1)Z give k,
// the first and the last screen pixel give the first and the last glyph pixel.
int mapAxis(int X, int screenSize, int glyphSize, int zoom) {
    if (X <= 0) return 0;
    if (X >= screenSize - 1) return glyphSize - 1;
    return (X + zoom - 1) / zoom - 1;
}

}  // namespace

GlyphEditor::GlyphEditor(EditorHost* host)
    : host_(host), canvas_(kBlankSize, kBlankSize), edit_(kBlankSize, kBlankSize) {}

// --- lifecycle --------------------------------------------------------------------

void GlyphEditor::ResetForOpen() {
    glyphWidth_ = kBlankSize;
    glyphHeight_ = kBlankSize;
    zoom_ = 1;
    canvas_ = MonoImage(glyphWidth_, glyphHeight_);
    edit_ = MonoImage(editWidthFor(glyphWidth_), glyphHeight_);
    selectionContent_ = MonoImage();
    selectionBackground_ = MonoImage();
    selectionSource_ = {};
    selectionRect_ = {};
    cursor_ = dragAnchor_ = lineEnd_ = penPosition_ = {};
    leftDown_ = rightDown_ = false;
    rectDragging_ = lineDragging_ = ellipseDragging_ = erasing_ = eraserPreviewShown_ = false;
    selectionActive_ = selectionMoving_ = clearUnderSelection_ = frameShown_ = false;
    selectionFresh_ = true;
    imageModified_ = false;
    clearUndo();
    host().imageModifiedChanged(false);
    host().statusText(0, sizeText("Size: ", glyphWidth_, glyphHeight_));
    host().canvasResized();
    reportCanvas();
}

void GlyphEditor::SetGlyphHeight(int height) { glyphHeight_ = std::max(height, 0); }

// --- transfers --------------------------------------------------------------------

void GlyphEditor::LoadSymb(const Symbols& glyph) {
    settle();
    FalseGoBegin();
    glyphWidth_ = glyph.Width;
    edit_ = MonoImage(editWidthFor(glyphWidth_), glyphHeight_);
    const int bytesPerRow = BytesPerRow(glyphWidth_);
    const int copied = std::min(bytesPerRow, edit_.stride());
    for (int r = 0; r < glyphHeight_; ++r) {
        auto row = edit_.row(r);
        for (int k = 0; k < copied; ++k) {
            const std::size_t at = static_cast<std::size_t>(r) * bytesPerRow + static_cast<std::size_t>(k);
            row[static_cast<std::size_t>(k)] = at < glyph.Data.size() ? glyph.Data[at] : uint8_t{0xFF};
        }
    }
    canvas_ = MonoImage(glyphWidth_, glyphHeight_);
    canvas_.draw(edit_);
    clearUndo();
    host().canvasResized();
    reportCanvas();
}

void GlyphEditor::SaveImage(Symbols& glyph, int setHeight) const {
    glyph.Width = static_cast<uint8_t>(std::clamp(glyphWidth_, 0, 255));
    const int bytesPerRow = BytesPerRow(glyphWidth_);
    const int rows = std::max(setHeight, 0);
    glyph.Data.assign(static_cast<std::size_t>(rows) * bytesPerRow, uint8_t{0xFF});
    const int copied = std::min(bytesPerRow, edit_.stride());
    for (int r = 0; r < std::min(rows, edit_.height()); ++r) {
        const auto row = edit_.row(r);
        for (int k = 0; k < copied; ++k)
            glyph.Data[static_cast<std::size_t>(r) * bytesPerRow + static_cast<std::size_t>(k)] = row[static_cast<std::size_t>(k)];
    }
}

void GlyphEditor::ImageToPictures() {
    edit_.fill(SecondaryColor);
    edit_.draw(canvas_);
}

// --- modified state and snapshot --------------------------------------------------

void GlyphEditor::EditingImage() {
    host().editingLang();
    imageModified_ = true;
    host().imageModifiedChanged(true);
}

void GlyphEditor::NoEditingImage() {
    imageModified_ = false;
    host().imageModifiedChanged(false);
}

void GlyphEditor::Undo() {
    undo_ = edit_;
    host().undoAvailable();
}

void GlyphEditor::clearUndo() {
    undo_ = MonoImage();
    host().undoCleared();
}

void GlyphEditor::UndoCommand() {
    settle();
    if (undo_.isEmpty()) return;
    FalseGoBegin();
    canvas_.draw(undo_);
    undo_ = edit_;
    edit_.draw(canvas_);
    reportCanvas();
}

// --- zoom -------------------------------------------------------------------------

bool GlyphEditor::ZoomIn() {
    const auto next = std::upper_bound(std::begin(kZoomLadder), std::end(kZoomLadder), zoom_);
    if (next == std::end(kZoomLadder)) return false;
    zoom_ = *next;
    host().canvasResized();
    return true;
}

bool GlyphEditor::ZoomOut() {
    const auto at = std::lower_bound(std::begin(kZoomLadder), std::end(kZoomLadder), zoom_);
    if (at == std::begin(kZoomLadder)) return false;
    zoom_ = *std::prev(at);
    host().canvasResized();
    return true;
}

// --- transient marks and gestures ---------------------------------------------------

void GlyphEditor::showFrame() {
    if (frameShown_) return;
    DrawFocusFrame(canvas_, selectionRect_);
    frameShown_ = true;
}

void GlyphEditor::hideFrame() {
    if (!frameShown_) return;
    DrawFocusFrame(canvas_, selectionRect_);
    frameShown_ = false;
}

void GlyphEditor::setSelectionReadout() {
    host().statusText(2, sizeText("Select: ", selectionRect_.width(), selectionRect_.height()));
}

void GlyphEditor::removeEraserPreview() {
    if (!eraserPreviewShown_) return;
    copyArea(canvas_, edit_, selectionRect_);
    eraserPreviewShown_ = false;
}

void GlyphEditor::FalseGoBegin() {
    if (!selectionActive_) return;
    selectionActive_ = false;
    // A move still in progress ends here too, so its release finds no selection.
    selectionMoving_ = false;
    hideFrame();
    ImageToPictures();
    host().statusText(2, "");
    reportCanvas();
}

// The second button pressed during a gesture: everything the gesture drew is
// wiped and nothing of it is kept.
void GlyphEditor::cancelGesture() {
    leftDown_ = rightDown_ = false;
    FalseGoBegin();
    selectionMoving_ = lineDragging_ = ellipseDragging_ = erasing_ = false;
    if (rectDragging_) {
        rectDragging_ = false;
        clearUnderSelection_ = true;
        hideFrame();
        if (tool_ == Tool::Selection) host().statusText(2, "");
    }
    eraserPreviewShown_ = false;
    canvas_.draw(edit_);
    reportCanvas();
}

// Commands from the keyboard or the menus may arrive while a button is held on
// the canvas; the gesture is then cancelled first, so that no preview, frame
// or half-drawn stroke is ever committed or copied.
void GlyphEditor::settle() {
    if (leftDown_ || rightDown_ || rectDragging_ || lineDragging_ || ellipseDragging_ || erasing_ ||
        selectionMoving_)
        cancelGesture();
    removeEraserPreview();
}

void GlyphEditor::pressSelectionTool() {
    tool_ = Tool::Selection;
    host().pressSelectionTool();
}

void GlyphEditor::setTool(Tool t) {
    settle();
    if (t != Tool::Selection) FalseGoBegin();
    tool_ = t;
    reportCanvas();
}

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
    host().statusText(1, sizeText("Cursor: ", cursor_.x, cursor_.y));
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

// --- the selection tool ------------------------------------------------------------

void GlyphEditor::pressSelection() {
    if (!rectDragging_ && !selectionActive_ && !selectionMoving_) {
        dragAnchor_ = cursor_;
        selectionRect_ = {cursor_.x, cursor_.y, cursor_.x + 1, cursor_.y + 1};
        showFrame();
        rectDragging_ = true;
        selectionFresh_ = true;
        clearUnderSelection_ = true;
    } else if (selectionActive_ && selectionRect_.contains(cursor_)) {
        hideFrame();
        EditingImage();
        Undo();
        if (selectionFresh_) {
            selectionSource_ = selectionRect_;
            selectionContent_ = canvas_;
            selectionBackground_ = edit_;
            if (clearUnderSelection_) FillRect(selectionBackground_, selectionRect_, SecondaryColor);
        } else {
            showSelectionContent();
        }
        dragAnchor_ = cursor_;
        selectionMoving_ = true;
    } else {
        FalseGoBegin();
    }
}

void GlyphEditor::showSelectionContent() {
    canvas_.draw(selectionContent_.copy(selectionSource_.Left, selectionSource_.Top, selectionSource_.width(),
                                        selectionSource_.height()),
                 selectionRect_.Left, selectionRect_.Top);
}

void GlyphEditor::moveSelection() {
    clampCursor();
    if (rectDragging_) {
        hideFrame();
        selectionRect_ = SpanRect(dragAnchor_, cursor_);
        setSelectionReadout();
        showFrame();
    } else if (selectionMoving_) {
        copyArea(canvas_, selectionBackground_, selectionRect_);
        const int dx = cursor_.x - dragAnchor_.x, dy = cursor_.y - dragAnchor_.y;
        selectionRect_ = {selectionRect_.Left + dx, selectionRect_.Top + dy, selectionRect_.Right + dx,
                          selectionRect_.Bottom + dy};
        dragAnchor_ = cursor_;
        showSelectionContent();
    } else {
        return;
    }
    reportCanvas();
}

void GlyphEditor::releaseSelection() {
    if (rectDragging_) {
        rectDragging_ = false;
        selectionActive_ = true;
    }
    if (selectionMoving_) {
        selectionMoving_ = false;
        selectionFresh_ = false;
        showFrame();
    }
}

// --- selection and clipboard commands -----------------------------------------------

void GlyphEditor::SelectAll() {
    settle();
    FalseGoBegin();
    pressSelectionTool();
    selectionFresh_ = true;
    selectionActive_ = true;
    clearUnderSelection_ = true;
    selectionRect_ = {0, 0, glyphWidth_, glyphHeight_};
    setSelectionReadout();
    showFrame();
    reportCanvas();
}

void GlyphEditor::Clear() {
    settle();
    EditingImage();
    Undo();
    PixelRect area{0, 0, glyphWidth_, glyphHeight_};
    if (selectionActive_) {
        area = selectionRect_;
        FalseGoBegin();
    }
    FillRect(canvas_, area, SecondaryColor);
    ImageToPictures();
    reportCanvas();
}

void GlyphEditor::Copy() {
    settle();
    if (selectionActive_) {
        hideFrame();
        host().putClipboardImage(canvas_.copy(selectionRect_.Left, selectionRect_.Top, selectionRect_.width(),
                                              selectionRect_.height()));
        showFrame();
    } else {
        host().putClipboardImage(canvas_);
    }
    reportCanvas();
}

void GlyphEditor::Cut() {
    settle();
    EditingImage();
    Undo();
    MonoImage clip;
    if (selectionActive_) {
        const PixelRect area = selectionRect_;
        FalseGoBegin();
        clip = canvas_.copy(area.Left, area.Top, area.width(), area.height());
        FillRect(canvas_, area, SecondaryColor);
    } else {
        clip = canvas_;
        canvas_.fill(SecondaryColor);
    }
    host().putClipboardImage(clip);
    ImageToPictures();
    reportCanvas();
}

void GlyphEditor::Paste(const MonoImage& image) { PlaceFloatingImage(image); }

void GlyphEditor::PlaceFloatingImage(const MonoImage& image) {
    settle();
    FalseGoBegin();
    pressSelectionTool();
    EditingImage();
    Undo();
    selectionContent_ = image;
    selectionFresh_ = true;
    selectionActive_ = true;
    clearUnderSelection_ = false;
    selectionRect_ = {0, 0, std::min(image.width(), glyphWidth_), std::min(image.height(), glyphHeight_)};
    setSelectionReadout();
    canvas_.draw(selectionContent_);
    showFrame();
    reportCanvas();
}

void GlyphEditor::ShiftImageGor(int dx) {
    settle();
    FalseGoBegin();
    EditingImage();
    Undo();
    canvas_.fill(SecondaryColor);
    canvas_.draw(edit_, dx, 0);
    ImageToPictures();
    reportCanvas();
}

// --- glyph size -------------------------------------------------------------------

void GlyphEditor::ResizeImage() {
    settle();
    FalseGoBegin();
    // Pixels beyond a narrower width stay in EditImage's last byte, so that
    // widening again within the byte shows them.
    edit_.resize(editWidthFor(glyphWidth_), glyphHeight_, SecondaryColor);
    canvas_ = MonoImage(glyphWidth_, glyphHeight_, SecondaryColor);
    canvas_.draw(edit_);
    host().statusText(0, sizeText("Size: ", glyphWidth_, glyphHeight_));
    host().canvasResized();
    reportCanvas();
}

bool GlyphEditor::IncreaseWidth() {
    if (glyphWidth_ >= kMaxGlyphWidth) return false;
    SetWidth(glyphWidth_ + 1);
    return true;
}

bool GlyphEditor::DecreaseWidth() {
    if (glyphWidth_ <= kMinWidth) return false;
    SetWidth(glyphWidth_ - 1);
    return true;
}

void GlyphEditor::SetWidth(int width) {
    settle();
    FalseGoBegin();
    glyphWidth_ = std::clamp(width, kMinWidth, kMaxGlyphWidth);
    EditingImage();
    ResizeImage();
}

}  // namespace glyphora
