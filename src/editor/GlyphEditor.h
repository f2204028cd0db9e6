// The glyph editor: the working glyph's images, the ten tools, selection,
// one-level undo, zoom and the glyph-size commands. Toolkit-free: it is fed
// pointer events in canvas (screen) pixels and reports through EditorHost.
#pragma once

#include "EditorGesture.h"
#include "EditorHost.h"
#include "EditorTool.h"
#include "FloatingSelection.h"
#include "Geometry.h"
#include "GlyphTransforms.h"
#include "MonoImage.h"
#include "UndoSnapshot.h"
#include "ZoomFit.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <variant>
#include <vector>

namespace glyphora {

class GlyphEditor {
public:
    explicit GlyphEditor(EditorHost* host = nullptr);
    void setHost(EditorHost* host) { host_ = host; }

    // --- state read by the window ------------------------------------------------
    const MonoImage& CanvasImage() const { return canvas_; }
    const MonoImage& EditImage() const { return edit_; }
    const MonoImage& UndoImage() const { return undo_.image(); }
    int GlyphWidth() const { return glyphWidth_; }
    int GlyphHeight() const { return glyphHeight_; }
    int ZoomFactor() const { return zoom_; }
    bool ImageModified() const { return imageModified_; }
    bool UndoAvailable() const { return undo_.available(); }
    Tool tool() const { return tool_; }
    // The selection, or the box of a shape being dragged.
    PixelRect SelectionRect() const;
    bool SelectionActive() const { return selection_.active; }
    // The area of the lifted pixels that the selection shows.
    PixelRect SelectionSource() const { return selection_.source; }
    bool SelectionMoving() const { return std::holds_alternative<gesture::MovingSelection>(gesture_); }
    bool SelectionFresh() const { return selection_.fresh; }
    // A selection or a rectangle being dragged out.
    bool RectDragging() const;
    bool LineDragging() const { return std::holds_alternative<gesture::LineDrag>(gesture_); }
    bool EllipseDragging() const;
    bool Erasing() const { return std::holds_alternative<gesture::Erasure>(gesture_); }
    bool LeftDown() const { return leftDown_; }
    bool RightDown() const { return rightDown_; }
    // Canvas control size in screen pixels.
    int canvasWidth() const { return glyphWidth_ * zoom_; }
    int canvasHeight() const { return glyphHeight_ * zoom_; }

    // --- lifecycle ----------------------------------------------------------------
    // The reset done when a langpack is opened: 128 x 128 blank canvas, zoom 1,
    // no selection, no drag, nothing modified, no undo snapshot.
    void ResetForOpen();
    // GlyphHeight follows the chosen set's Height.
    void SetGlyphHeight(int height);

    // --- transfers between the glyph table and the editor -------------------------
    // Loads a glyph of this width from its memory-form rows as the working
    // glyph; drops any selection first and clears the undo snapshot, so Undo
    // never mixes two glyphs.
    void LoadSymb(int width, std::span<const uint8_t> rows);
    // EditImage as the rows of a glyph GlyphWidth() wide, setHeight of them. A
    // floating selection is not in EditImage: call FalseGoBegin first.
    std::vector<uint8_t> SaveImage(int setHeight) const;
    // Commit: EditImage := CanvasImage on paper.
    void ImageToPictures();

    // --- modified state -----------------------------------------------------------
    void EditingImage();
    void NoEditingImage();

    // --- tools and pointer --------------------------------------------------------
    void setTool(Tool t);  // runs FalseGoBegin unless t is the selection tool
    // Pointer positions are canvas (screen) pixels relative to the canvas's top-left.
    void mouseDown(MouseButton b, int X, int Y);
    void mouseMove(int X, int Y);
    void mouseUp(MouseButton b, int X, int Y);
    // The pointer left the canvas: removes the eraser's hover preview.
    void mouseLeave();
    // Screen pixel -> the glyph pixel drawn there, for every tool and for the
    // "Cursor:" read-out alike.
    PixelPoint MapPointer(int X, int Y) const;

    // --- commands -----------------------------------------------------------------
    // Toggles between the glyph and its snapshot; either way the glyph counts as modified.
    void UndoCommand();
    bool ZoomIn();   // false when already at the top (16, or higher in a large pane)
    bool ZoomOut();  // false when already at 1
    // The pane the canvas is shown in. Zoom + climbs past 16:1 only to steps
    // at which the glyph fits it. True when fitting changed the factor.
    bool SetPane(PaneSize pane);
    // Fit: the factor becomes the largest step at which the glyph fits the
    // pane, now and whenever the pane or the glyph's size changes; a factor
    // chosen with Zoom + or - stays until then. True when the factor changed.
    bool SetFitToPane(bool on);
    int ZoomTop() const { return glyphora::ZoomTop(glyphWidth_, glyphHeight_, pane_); }
    void FalseGoBegin();  // drop the selection, committing what the canvas shows

    // A change of the whole glyph: its new picture, width x height, drawn from
    // its committed image (EditImage, spare columns included).
    using GlyphChange = std::function<MonoImage(const MonoImage& glyph, int width, int height)>;
    // When the snapshot is taken against the drop of a floating selection:
    // Clear and Cut take it first, so their Undo also takes back a paste that
    // still floated; every other command takes it after the drop.
    enum class SnapshotAt { AfterDrop, BeforeDrop };
    // The one way a command changes the whole glyph: a gesture in progress is
    // cancelled, a floating selection dropped where it floats, the glyph marked
    // modified and its snapshot taken, then the change is drawn, committed and
    // shown.
    void ApplyGlyphChange(const GlyphChange& change, SnapshotAt at = SnapshotAt::AfterDrop);

    // Selection and clipboard (the Qt layer exchanges images with the clipboard).
    void SelectAll();
    void Clear();
    void Copy();
    void Cut();
    // Paste of an image already reduced to black and white; an empty image
    // when the clipboard held none.
    void Paste(const MonoImage& image);
    // The whole placing command (Paste, Insert text, Import from bitmap): drops
    // any selection, presses the selection tool, marks the glyph modified,
    // takes the snapshot, then floats the image at the top-left corner.
    void PlaceFloatingImage(const MonoImage& image);
    void ShiftImageGor(int dx);
    // One of Edit -> "Transform" as one edit (as the shifts are): on the
    // whole glyph, or, while a selection is shown, within its rectangle,
    // which stays chosen over the result. Bold widens the glyph first (a
    // width change, as "Increase width" makes) when ink touches its right
    // edge. `baselineRow` is the set's baseline guide. Returns the ink
    // pixels that left the glyph (or the rectangle) and were dropped.
    int TransformImage(GlyphTransform transform, std::optional<int> baselineRow = std::nullopt);

    // Glyph size.
    void ResizeImage();
    bool IncreaseWidth();      // "Increase width +1 pixel"
    bool DecreaseWidth();      // "Decrease width -1 pixel"
    void SetWidth(int width);  // "Set size" in width mode (EditingImage, ResizeImage)
    // Puts back a state of the working glyph (EditImage and GlyphWidth) that
    // the host kept, as an edit: the glyph counts as modified.
    void RestoreGlyph(const MonoImage& image, int width);
    // The set-size dialog's height mode is applied by the window: it stores the
    // set's Height, calls ResizeSets, then SetGlyphHeight and ResizeImage.

private:
    EditorHost* host_ = nullptr;
    EditorHost nullHost_;
    EditorHost& host() { return host_ ? *host_ : nullHost_; }

    MonoImage canvas_;
    MonoImage edit_;
    UndoSnapshot undo_;
    int glyphWidth_ = 128;
    int glyphHeight_ = 128;
    int zoom_ = 1;
    PaneSize pane_;
    bool fit_ = false;
    // What the factor was last fitted to: glyph width, height and the pane.
    struct FitInputs {
        int width = -1;
        int height = -1;
        PaneSize pane;
        bool operator==(const FitInputs&) const = default;
    } fitted_;
    bool imageModified_ = false;
    Tool tool_ = Tool::Pencil;
    PixelPoint cursor_;
    // The buttons held on the canvas; both at once cancel the gesture.
    bool leftDown_ = false;
    bool rightDown_ = false;
    gesture::Gesture gesture_;
    FloatingSelection selection_;
    // The eraser's hover square now on the canvas.
    std::optional<PixelRect> eraserPreview_;

    void reportCanvas() { host().canvasChanged(); }
    // The glyph's size may have changed: fit again if asked to, then resize the canvas.
    void glyphResized();
    bool refit(bool always);
    void TakeUndoSnapshot();  // the one-level snapshot taken before an edit (it does not undo)
    // Every edit starts here: the glyph counts as modified and its snapshot is taken.
    void beginEdit();
    // Cancels a gesture in progress, then names the selection, or the whole glyph when there is none.
    PixelRect settledArea();
    void clearUndo();
    void setSelectionReadout();
    void showFrame();
    void hideFrame();
    void showSelectionContent();
    void removeEraserPreview();
    bool gestureInProgress() const;
    void settle();  // ends a pointer gesture in progress, as a cancel does
    void cancelGesture();
    void pressSelectionTool();
    void clampCursor();

    void pressTool(MouseButton b);
    void moveTool(int X, int Y);
    void releaseTool();
    void pressSelection();
    void moveSelection();
    void releaseSelection();
    void moveEraser(int X, int Y);
    void drawShape(const gesture::ShapeDrag& drag, bool preview);
};

}  // namespace glyphora
