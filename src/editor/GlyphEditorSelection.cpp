// The selection tool and the selection, clipboard and shift commands.
#include "GlyphEditor.h"

#include "EditorDetail.h"
#include "GlyphAlgorithms.h"
#include "Raster.h"

#include <algorithm>

namespace glyphora {

using namespace editor_detail;

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
    canvas_ = ShiftImage(edit_, glyphWidth_, glyphHeight_, dx);
    ImageToPictures();
    reportCanvas();
}

}  // namespace glyphora
