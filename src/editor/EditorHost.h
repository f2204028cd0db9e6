// What the glyph editor asks of the window that shows it. The editor core
// calls these; the Qt layer implements them (and tests record them).
#pragma once

#include <string>

namespace glyphora {

class MonoImage;

enum class StatusPanel { Size = 0, Cursor = 1, Selection = 2 };

// The panels' fixed English prefixes ("Size: ", "Cursor: ", "Select: ").
const char* DefaultStatusPrefix(StatusPanel panel);

class EditorHost {
public:
    virtual ~EditorHost() = default;
    // The first edit of the working glyph marks the langpack changed (EditingLang).
    virtual void editingLang() {}
    // ImageModified changed: enables or disables the Save Image commands.
    virtual void imageModifiedChanged(bool /*modified*/) {}
    // A snapshot was taken: the Undo commands become enabled.
    virtual void undoAvailable() {}
    // The snapshot was dropped (another glyph was loaded, a langpack opened):
    // the Undo commands become disabled.
    virtual void undoCleared() {}
    // The working glyph is about to change: EditImage and GlyphWidth still
    // hold the state before the change (taken wherever the undo snapshot is,
    // and before a width change).
    virtual void snapshotTaken() {}
    // EditImage took the canvas's pixels: a change that began at a snapshot is done.
    virtual void editImageChanged() {}
    // CanvasImage changed and must be repainted.
    virtual void canvasChanged() {}
    // GlyphWidth, GlyphHeight or ZoomFactor changed: the canvas control gets a new size.
    virtual void canvasResized() {}
    // A status panel shows two numbers behind its prefix ("Size: WxH", "Cursor:
    // XxY", "Select: WxH"); the prefix is the host's, as it follows the
    // interface language. A cleared panel shows nothing.
    virtual void statusValue(StatusPanel /*panel*/, int /*a*/, int /*b*/) {}
    virtual void statusCleared(StatusPanel /*panel*/) {}
    // The selection tool button is pressed from code (Select all, Paste, placing an image).
    virtual void pressSelectionTool() {}
    // The text tool was pressed on the canvas: open the "Insert text" dialog.
    virtual void openTextDialog() {}
    // Copy and Cut put an image on the system clipboard.
    virtual void putClipboardImage(const MonoImage& /*image*/) {}
};

}  // namespace glyphora
