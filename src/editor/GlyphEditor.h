// The glyph editor: the working glyph's images, the ten tools, selection,
// one-level undo, zoom and the glyph-size commands. Toolkit-free: it is fed
// pointer events in canvas (screen) pixels and reports through EditorHost.
#pragma once

#include "EditorHost.h"
#include "Geometry.h"
#include "MonoImage.h"

#include <Langpack.h>

#include <cstdint>

namespace glyphora {

enum class Tool {
    None,
    Pencil,          // SpeedButton9
    Selection,       // SpeedButton20
    Text,            // SpeedButton23
    Eraser,          // SpeedButton21
    Fill,            // SpeedButton22
    Line,            // SpeedButton24
    Rectangle,       // SpeedButton25
    FilledRectangle, // SpeedButton26
    Ellipse,         // SpeedButton27
    FilledEllipse,   // SpeedButton28
};

enum class MouseButton { Left, Right, Middle };

inline constexpr int kZoomLadder[] = {1, 2, 3, 4, 6, 8, 16};

class GlyphEditor {
public:
    explicit GlyphEditor(EditorHost* host = nullptr);
    void setHost(EditorHost* host) { host_ = host; }

    // --- state read by the window ------------------------------------------------
    const MonoImage& CanvasImage() const { return canvas_; }
    const MonoImage& EditImage() const { return edit_; }
    const MonoImage& UndoImage() const { return undo_; }
    int GlyphWidth() const { return glyphWidth_; }
    int GlyphHeight() const { return glyphHeight_; }
    int ZoomFactor() const { return zoom_; }
    bool ImageModified() const { return imageModified_; }
    bool UndoAvailable() const { return !undo_.isEmpty(); }
    Tool tool() const { return tool_; }
    PixelPoint CursorPixel() const { return cursor_; }
    PixelRect SelectionRect() const { return selectionRect_; }
    bool SelectionActive() const { return selectionActive_; }
    // The selection's lifted pixels, the area of them it shows, and what lies beneath it.
    const MonoImage& SelectionContent() const { return selectionContent_; }
    PixelRect SelectionSource() const { return selectionSource_; }
    const MonoImage& SelectionBackground() const { return selectionBackground_; }
    bool SelectionMoving() const { return selectionMoving_; }
    bool SelectionFresh() const { return selectionFresh_; }
    bool RectDragging() const { return rectDragging_; }
    bool LineDragging() const { return lineDragging_; }
    bool EllipseDragging() const { return ellipseDragging_; }
    bool Erasing() const { return erasing_; }
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
    // Loads a glyph (memory-form rows) as the working glyph; drops any selection
    // first and clears the undo snapshot, so Undo never mixes two glyphs.
    void LoadSymb(const Symbols& glyph);
    // Stores EditImage and GlyphWidth into the glyph; rows = setHeight. A
    // floating selection is not in EditImage: call FalseGoBegin first.
    void SaveImage(Symbols& glyph, int setHeight) const;
    // Commit: EditImage := CanvasImage on paper.
    void ImageToPictures();

    // --- modified state -----------------------------------------------------------
    void EditingImage();
    void NoEditingImage();

    // --- tools and pointer --------------------------------------------------------
    void setTool(Tool t);   // runs FalseGoBegin unless t is the selection tool
    // Pointer positions are canvas (screen) pixels relative to the canvas's top-left.
    void mouseDown(MouseButton b, int X, int Y);
    void mouseMove(int X, int Y);
    void mouseUp(MouseButton b, int X, int Y);
    // The pointer left the canvas: removes the eraser's hover preview.
    void mouseLeave();
    // Screen pixel -> glyph pixel (the ceiling rule).
    PixelPoint MapPointer(int X, int Y) const;

    // --- commands -----------------------------------------------------------------
    void UndoCommand();     // toggles between the glyph and its snapshot
    bool ZoomIn();          // false when already at 16
    bool ZoomOut();         // false when already at 1
    void FalseGoBegin();    // drop the selection, committing what the canvas shows

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

    // Glyph size.
    void ResizeImage();
    bool IncreaseWidth();   // "Increase width +1 pixel"
    bool DecreaseWidth();   // "Decrease width -1 pixel"
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
    MonoImage undo_;
    int glyphWidth_ = 128;
    int glyphHeight_ = 128;
    int zoom_ = 1;
    bool imageModified_ = false;
    Tool tool_ = Tool::Pencil;
    PixelPoint cursor_;
    PixelRect selectionRect_;
    bool selectionActive_ = false;

    // Pointer and drag state.
    PixelPoint dragAnchor_;         // where a drag began; while moving a selection, the previous pointer pixel
    PixelPoint lineEnd_;            // end of the line preview now on the canvas
    PixelPoint penPosition_;        // the pencil's current drawing position
    Pixel lineColour_ = Pixel::Ink; // outline colour of the press
    Pixel fillColour_ = Pixel::Paper;
    bool leftDown_ = false;
    bool rightDown_ = false;
    bool rectDragging_ = false;     // a selection or a rectangle is being dragged out
    bool lineDragging_ = false;
    bool ellipseDragging_ = false;
    bool erasing_ = false;
    bool eraserPreviewShown_ = false;  // the hover square at selectionRect_ is on the canvas

    // Selection state.
    bool selectionMoving_ = false;
    bool selectionFresh_ = true;
    bool clearUnderSelection_ = false;
    bool frameShown_ = false;       // the dotted frame over selectionRect_ is on the canvas
    MonoImage selectionContent_;
    PixelRect selectionSource_;
    MonoImage selectionBackground_;

    void reportCanvas() { host().canvasChanged(); }
    void Undo();                    // takes the one-level snapshot (it does not undo)
    void clearUndo();
    void setSelectionReadout();
    void showFrame();
    void hideFrame();
    void showSelectionContent();
    void removeEraserPreview();
    void settle();                  // ends a pointer gesture in progress, as a cancel does
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
    bool& shapeFlag();              // RectDragging or EllipseDragging, by the current tool
    void drawShape(bool preview);
};

}  // namespace glyphora
