// What the glyph editor asks of the window that shows it. The editor core
// calls these; the Qt layer implements them (and tests record them).
#pragma once

#include <string>

namespace glyphora {

class MonoImage;

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
    // CanvasImage changed and must be repainted.
    virtual void canvasChanged() {}
    // GlyphWidth, GlyphHeight or ZoomFactor changed: the canvas control gets a new size.
    virtual void canvasResized() {}
    // Status panels 0 ("Size: WxH"), 1 ("Cursor: XxY") and 2 ("Select: WxH" or empty).
    virtual void statusText(int /*panel*/, const std::string& /*text*/) {}
    // The selection tool button is pressed from code (Select all, Paste, placing an image).
    virtual void pressSelectionTool() {}
    // The text tool was pressed on the canvas: open the "Insert text" dialog.
    virtual void openTextDialog() {}
    // Copy and Cut put an image on the system clipboard.
    virtual void putClipboardImage(const MonoImage& /*image*/) {}
};

}  // namespace glyphora
