// A glyph editor with a recording host, driven in glyph pixels at zoom 8.
#pragma once

#include "GlyphEditor.h"
#include "Picture.h"

#include <Langpack.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace glyphora::test {

struct RecordingHost : EditorHost {
    std::vector<std::string> calls;
    std::string status[3];
    std::optional<MonoImage> clipboard;
    int textDialogs = 0;
    bool undoEnabled = false;

    void editingLang() override { calls.push_back("editingLang"); }
    void imageModifiedChanged(bool m) override { calls.push_back(m ? "modified" : "unmodified"); }
    void undoAvailable() override { undoEnabled = true; }
    void undoCleared() override { undoEnabled = false; }
    void statusValue(StatusPanel panel, int a, int b) override {
        status[static_cast<int>(panel)] = DefaultStatusPrefix(panel) + std::to_string(a) + "x" + std::to_string(b);
    }
    void statusCleared(StatusPanel panel) override { status[static_cast<int>(panel)].clear(); }
    void pressSelectionTool() override { calls.push_back("pressSelectionTool"); }
    void openTextDialog() override { ++textDialogs; }
    void putClipboardImage(const MonoImage& image) override { clipboard = image; }
};

inline Symbols glyphOf(const MonoImage& image) {
    Symbols glyph;
    glyph.Width = static_cast<uint8_t>(image.width());
    for (int y = 0; y < image.height(); ++y)
        for (int k = 0; k < BytesPerRow(image.width()); ++k)
            glyph.Data.push_back(image.row(y)[static_cast<std::size_t>(k)]);
    return glyph;
}

// What the editor stores: its width and rows, as the session keeps them.
inline Symbols saved(const GlyphEditor& ed, int setHeight) {
    Symbols glyph;
    glyph.Width = static_cast<uint8_t>(ed.GlyphWidth());
    glyph.Data = ed.SaveImage(setHeight);
    return glyph;
}

class EditorTest : public testing::Test {
protected:
    static constexpr int kZoom = 8;
    RecordingHost host;
    GlyphEditor ed{&host};

    void load(std::initializer_list<std::string_view> rows) { load(picture(rows)); }
    void load(const MonoImage& image) {
        ed.SetGlyphHeight(image.height());
        ed.LoadSymb(image.width(), glyphOf(image).Data);
        ed.NoEditingImage();  // as the window's "Save the current symbol?" leaves it
        while (ed.ZoomFactor() < kZoom) ed.ZoomIn();
        host.calls.clear();
    }
    // The middle of glyph pixel (x, y) on the screen.
    static int at(int k) { return k * kZoom + kZoom / 2; }
    void press(int x, int y, MouseButton b = MouseButton::Left) { ed.mouseDown(b, at(x), at(y)); }
    void move(int x, int y) { ed.mouseMove(at(x), at(y)); }
    void release(int x, int y, MouseButton b = MouseButton::Left) { ed.mouseUp(b, at(x), at(y)); }
    void drag(Tool tool, PixelPoint from, PixelPoint to, MouseButton b = MouseButton::Left) {
        ed.setTool(tool);
        press(from.x, from.y, b);
        move(to.x, to.y);
        release(to.x, to.y, b);
    }
    std::string canvas() const { return show(ed.CanvasImage()); }
    std::string committed() const { return show(ed.EditImage().copy(0, 0, ed.GlyphWidth(), ed.GlyphHeight())); }
};

}  // namespace glyphora::test
