// The selection tool and the selection, clipboard and shift commands.
#include "GlyphEditor.h"

#include "EditorDetail.h"
#include "GlyphAlgorithms.h"
#include "Raster.h"

#include <algorithm>

namespace glyphora {

using namespace editor_detail;

namespace {

// The glyph with `area` turned to paper.
GlyphEditor::GlyphChange PaperOver(PixelRect area) {
    return [area](const MonoImage& glyph, int width, int height) {
        MonoImage out(width, height);
        out.draw(glyph);
        FillRect(out, area, SecondaryColor);
        return out;
    };
}

}  // namespace

// --- the selection tool ------------------------------------------------------------

void GlyphEditor::pressSelection() {
    FloatingSelection& sel = selection_;
    if (std::holds_alternative<gesture::Idle>(gesture_) && !sel.active) {
        sel.rect = {cursor_.x, cursor_.y, cursor_.x + 1, cursor_.y + 1};
        showFrame();
        gesture_ = gesture::Marquee{cursor_};
        sel.fresh = true;
        sel.clearUnder = true;
    } else if (sel.active && sel.rect.contains(cursor_)) {
        hideFrame();
        beginEdit();
        if (sel.fresh) {
            sel.source = sel.rect;
            sel.content = canvas_;
            sel.background = edit_;
            if (sel.clearUnder) FillRect(sel.background, sel.rect, SecondaryColor);
        } else {
            showSelectionContent();
        }
        gesture_ = gesture::MovingSelection{cursor_};
    } else {
        FalseGoBegin();
    }
}

void GlyphEditor::showSelectionContent() {
    const FloatingSelection& sel = selection_;
    canvas_.draw(sel.content.copy(sel.source.Left, sel.source.Top, sel.source.width(), sel.source.height()),
                 sel.rect.Left, sel.rect.Top);
}

void GlyphEditor::moveSelection() {
    clampCursor();
    FloatingSelection& sel = selection_;
    if (const auto* marquee = std::get_if<gesture::Marquee>(&gesture_)) {
        hideFrame();
        sel.rect = SpanRect(marquee->anchor, cursor_);
        setSelectionReadout();
        showFrame();
    } else if (auto* moving = std::get_if<gesture::MovingSelection>(&gesture_)) {
        copyArea(canvas_, sel.background, sel.rect);
        const int dx = cursor_.x - moving->last.x, dy = cursor_.y - moving->last.y;
        sel.rect = {sel.rect.Left + dx, sel.rect.Top + dy, sel.rect.Right + dx, sel.rect.Bottom + dy};
        moving->last = cursor_;
        showSelectionContent();
    } else {
        return;
    }
    reportCanvas();
}

void GlyphEditor::releaseSelection() {
    if (std::holds_alternative<gesture::Marquee>(gesture_)) {
        gesture_ = gesture::Idle{};
        selection_.active = true;
    } else if (std::holds_alternative<gesture::MovingSelection>(gesture_)) {
        gesture_ = gesture::Idle{};
        selection_.fresh = false;
        showFrame();
    }
}

// --- selection and clipboard commands -----------------------------------------------

void GlyphEditor::SelectAll() {
    settle();
    FalseGoBegin();
    pressSelectionTool();
    selection_.fresh = true;
    selection_.active = true;
    selection_.clearUnder = true;
    selection_.rect = {0, 0, glyphWidth_, glyphHeight_};
    setSelectionReadout();
    showFrame();
    reportCanvas();
}

PixelRect GlyphEditor::settledArea() {
    settle();
    return selection_.active ? selection_.rect : PixelRect{0, 0, glyphWidth_, glyphHeight_};
}

void GlyphEditor::Clear() { ApplyGlyphChange(PaperOver(settledArea()), SnapshotAt::BeforeDrop); }

void GlyphEditor::Copy() {
    settle();
    if (selection_.active) {
        const PixelRect& r = selection_.rect;
        hideFrame();
        host().putClipboardImage(canvas_.copy(r.Left, r.Top, r.width(), r.height()));
        showFrame();
    } else {
        host().putClipboardImage(canvas_);
    }
    reportCanvas();
}

void GlyphEditor::Cut() {
    const PixelRect area = settledArea();
    MonoImage clip;
    ApplyGlyphChange(
        [&clip, area](const MonoImage& glyph, int width, int height) {
            MonoImage cut = PaperOver(area)(glyph, width, height);
            clip = glyph.copy(0, 0, width, height).copy(area.Left, area.Top, area.width(), area.height());
            return cut;
        },
        SnapshotAt::BeforeDrop);
    host().putClipboardImage(clip);
}

void GlyphEditor::Paste(const MonoImage& image) { PlaceFloatingImage(image); }

void GlyphEditor::PlaceFloatingImage(const MonoImage& image) {
    settle();
    FalseGoBegin();
    pressSelectionTool();
    beginEdit();
    selection_.content = image;
    selection_.fresh = true;
    selection_.active = true;
    selection_.clearUnder = false;
    selection_.rect = {0, 0, std::min(image.width(), glyphWidth_), std::min(image.height(), glyphHeight_)};
    setSelectionReadout();
    canvas_.draw(selection_.content);
    showFrame();
    reportCanvas();
}

void GlyphEditor::ShiftImageGor(int dx) {
    ApplyGlyphChange(
        [dx](const MonoImage& glyph, int width, int height) { return ShiftImage(glyph, width, height, dx); });
}

}  // namespace glyphora
