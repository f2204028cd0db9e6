#include "GlyphEditor.h"

#include "EditorDetail.h"
#include "GlyphRows.h"
#include "Raster.h"

#include <algorithm>
#include <iterator>

namespace glyphora {

using namespace editor_detail;

namespace {

constexpr int kBlankSize = 128;
constexpr int kMinWidth = 1;

}  // namespace

GlyphEditor::GlyphEditor(EditorHost* host)
    : host_(host), canvas_(kBlankSize, kBlankSize), edit_(kBlankSize, kBlankSize) {}

// --- lifecycle --------------------------------------------------------------------

void GlyphEditor::ResetForOpen() {
    glyphWidth_ = kBlankSize;
    glyphHeight_ = kBlankSize;
    zoom_ = 1;
    canvas_ = MonoImage(glyphWidth_, glyphHeight_);
    edit_ = MonoImage(GlyphImageWidth(glyphWidth_), glyphHeight_);
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
    host().statusValue(StatusPanel::Size, glyphWidth_, glyphHeight_);
    host().canvasResized();
    reportCanvas();
}

void GlyphEditor::SetGlyphHeight(int height) { glyphHeight_ = std::max(height, 0); }

// --- transfers --------------------------------------------------------------------

void GlyphEditor::LoadSymb(const Symbols& glyph) {
    settle();
    FalseGoBegin();
    glyphWidth_ = glyph.Width;
    edit_ = GlyphRowsToImage(glyph.Data, glyphWidth_, glyphHeight_);
    canvas_ = MonoImage(glyphWidth_, glyphHeight_);
    canvas_.draw(edit_);
    clearUndo();
    host().canvasResized();
    reportCanvas();
}

void GlyphEditor::SaveImage(Symbols& glyph, int setHeight) const {
    glyph.Width = static_cast<uint8_t>(std::clamp(glyphWidth_, 0, 255));
    glyph.Data = GlyphImageToRows(edit_, glyphWidth_, setHeight);
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
    host().snapshotTaken();
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
    host().statusValue(StatusPanel::Selection, selectionRect_.width(), selectionRect_.height());
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
    host().statusCleared(StatusPanel::Selection);
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
        if (tool_ == Tool::Selection) host().statusCleared(StatusPanel::Selection);
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

// --- glyph size -------------------------------------------------------------------

void GlyphEditor::ResizeImage() {
    settle();
    FalseGoBegin();
    // Pixels beyond a narrower width stay in EditImage's last byte, so that
    // widening again within the byte shows them.
    edit_.resize(GlyphImageWidth(glyphWidth_), glyphHeight_, SecondaryColor);
    canvas_ = MonoImage(glyphWidth_, glyphHeight_, SecondaryColor);
    canvas_.draw(edit_);
    host().statusValue(StatusPanel::Size, glyphWidth_, glyphHeight_);
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
    host().snapshotTaken();
    glyphWidth_ = std::clamp(width, kMinWidth, kMaxGlyphWidth);
    EditingImage();
    ResizeImage();
}

void GlyphEditor::RestoreGlyph(const MonoImage& image, int width) {
    settle();
    FalseGoBegin();
    glyphWidth_ = std::clamp(width, 0, kMaxGlyphWidth);
    edit_ = MonoImage(GlyphImageWidth(glyphWidth_), glyphHeight_);
    edit_.draw(image);
    EditingImage();
    ResizeImage();
}

}  // namespace glyphora
