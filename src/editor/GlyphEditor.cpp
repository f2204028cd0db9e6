#include "GlyphEditor.h"

#include "EditorDetail.h"
#include "GlyphRows.h"
#include "Raster.h"

#include <Langpack.h>

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
    selection_ = FloatingSelection{};
    cursor_ = {};
    leftDown_ = rightDown_ = false;
    gesture_ = gesture::Idle{};
    eraserPreview_.reset();
    imageModified_ = false;
    clearUndo();
    host().imageModifiedChanged(false);
    host().statusValue(StatusPanel::Size, glyphWidth_, glyphHeight_);
    refit(true);
    host().canvasResized();
    reportCanvas();
}

void GlyphEditor::SetGlyphHeight(int height) { glyphHeight_ = std::max(height, 0); }

// --- transfers --------------------------------------------------------------------

void GlyphEditor::LoadSymb(int width, std::span<const uint8_t> rows) {
    settle();
    FalseGoBegin();
    glyphWidth_ = std::max(width, 0);
    edit_ = GlyphRowsToImage(rows, glyphWidth_, glyphHeight_);
    canvas_ = MonoImage(glyphWidth_, glyphHeight_);
    canvas_.draw(edit_);
    clearUndo();
    glyphResized();
    reportCanvas();
}

std::vector<uint8_t> GlyphEditor::SaveImage(int setHeight) const {
    return GlyphImageToRows(edit_, glyphWidth_, setHeight);
}

void GlyphEditor::ImageToPictures() {
    edit_.fill(SecondaryColor);
    edit_.draw(canvas_);
    host().editImageChanged();
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

void GlyphEditor::TakeUndoSnapshot() {
    host().snapshotTaken();
    undo_.take(edit_);
    host().undoAvailable();
}

void GlyphEditor::beginEdit() {
    EditingImage();
    TakeUndoSnapshot();
}

void GlyphEditor::ApplyGlyphChange(const GlyphChange& change, SnapshotAt at) {
    settle();
    if (at == SnapshotAt::BeforeDrop) beginEdit();
    FalseGoBegin();
    if (at == SnapshotAt::AfterDrop) beginEdit();
    canvas_ = change(edit_, glyphWidth_, glyphHeight_);
    ImageToPictures();
    reportCanvas();
}

void GlyphEditor::clearUndo() {
    undo_.clear();
    host().undoCleared();
}

void GlyphEditor::UndoCommand() {
    settle();
    if (!undo_.available()) return;
    FalseGoBegin();
    canvas_.draw(undo_.exchange(edit_));
    edit_.draw(canvas_);
    // The glyph shown is no longer the one stored (Save Image may have stored
    // the state undone), so it is an edit to be stored or dropped.
    EditingImage();
    reportCanvas();
}

// --- zoom -------------------------------------------------------------------------

bool GlyphEditor::ZoomIn() {
    const auto next = std::upper_bound(std::begin(kDeepZoomLadder), std::end(kDeepZoomLadder), zoom_);
    if (next == std::end(kDeepZoomLadder) || *next > ZoomTop()) return false;
    zoom_ = *next;
    host().canvasResized();
    return true;
}

bool GlyphEditor::ZoomOut() {
    const auto at = std::lower_bound(std::begin(kDeepZoomLadder), std::end(kDeepZoomLadder), zoom_);
    if (at == std::begin(kDeepZoomLadder)) return false;
    zoom_ = *std::prev(at);
    host().canvasResized();
    return true;
}

bool GlyphEditor::SetPane(PaneSize pane) {
    pane_ = pane;
    if (!refit(false)) return false;
    host().canvasResized();
    return true;
}

bool GlyphEditor::SetFitToPane(bool on) {
    fit_ = on;
    if (!refit(true)) return false;
    host().canvasResized();
    return true;
}

bool GlyphEditor::refit(bool always) {
    if (!fit_) return false;
    const FitInputs inputs{glyphWidth_, glyphHeight_, pane_};
    if (!always && inputs == fitted_) return false;
    fitted_ = inputs;
    const int zoom = FitZoom(glyphWidth_, glyphHeight_, pane_);
    if (zoom == zoom_) return false;
    zoom_ = zoom;
    return true;
}

void GlyphEditor::glyphResized() {
    refit(false);
    host().canvasResized();
}

// --- transient marks and gestures ---------------------------------------------------

PixelRect GlyphEditor::SelectionRect() const {
    if (const auto* drag = std::get_if<gesture::ShapeDrag>(&gesture_)) return drag->box;
    return selection_.rect;
}

bool GlyphEditor::RectDragging() const {
    if (std::holds_alternative<gesture::Marquee>(gesture_)) return true;
    const auto* drag = std::get_if<gesture::ShapeDrag>(&gesture_);
    return drag && drag->shape == ShapeKind::Rectangle;
}

bool GlyphEditor::EllipseDragging() const {
    const auto* drag = std::get_if<gesture::ShapeDrag>(&gesture_);
    return drag && drag->shape == ShapeKind::Ellipse;
}

void GlyphEditor::showFrame() {
    if (selection_.frameShown) return;
    DrawFocusFrame(canvas_, selection_.rect);
    selection_.frameShown = true;
}

void GlyphEditor::hideFrame() {
    if (!selection_.frameShown) return;
    DrawFocusFrame(canvas_, selection_.rect);
    selection_.frameShown = false;
}

void GlyphEditor::setSelectionReadout() {
    host().statusValue(StatusPanel::Selection, selection_.rect.width(), selection_.rect.height());
}

void GlyphEditor::removeEraserPreview() {
    if (!eraserPreview_) return;
    copyArea(canvas_, edit_, *eraserPreview_);
    eraserPreview_.reset();
}

void GlyphEditor::FalseGoBegin() {
    if (!selection_.active) return;
    selection_.active = false;
    // A move still in progress ends here too, so its release finds no selection.
    if (SelectionMoving()) gesture_ = gesture::Idle{};
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
    if (std::holds_alternative<gesture::Marquee>(gesture_)) {
        selection_.clearUnder = true;
        hideFrame();
        host().statusCleared(StatusPanel::Selection);
    } else if (const auto* drag = std::get_if<gesture::ShapeDrag>(&gesture_);
               drag && drag->shape == ShapeKind::Rectangle) {
        selection_.clearUnder = true;
    }
    gesture_ = gesture::Idle{};
    eraserPreview_.reset();
    canvas_.draw(edit_);
    reportCanvas();
}

bool GlyphEditor::gestureInProgress() const {
    return leftDown_ || rightDown_ || !std::holds_alternative<gesture::Idle>(gesture_);
}

// Commands from the keyboard or the menus may arrive while a button is held on
// the canvas; the gesture is then cancelled first, so that no preview, frame
// or half-drawn stroke is ever committed or copied.
void GlyphEditor::settle() {
    if (gestureInProgress()) cancelGesture();
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
    glyphResized();
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
