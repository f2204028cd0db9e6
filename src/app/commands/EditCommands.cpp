#include "EditCommands.h"

#include <GlyphExchange.h>
#include <ImageConvert.h>

#include <QClipboard>
#include <QGuiApplication>

#include <algorithm>

namespace glyphora {

namespace {

// A command on the working glyph does nothing while none is shown.
std::function<void()> OnGlyph(Session& s, std::function<void(GlyphEditor&)> command) {
    return [&s, command = std::move(command)] {
        if (s.glyphShown()) command(s.editor());
    };
}

// A clipboard without a picture changes nothing: no snapshot, no modified
// glyph, no empty selection.
void Paste(Session& s, Prompts& prompts) {
    const QImage image = QGuiApplication::clipboard()->image();
    if (image.isNull() || image.width() <= 0 || image.height() <= 0) {
        prompts.error("In the buffer there is an image in a wrong format");
        return;
    }
    if (!GlyphTakesPicture(s)) return;
    const GlyphEditor& e = s.editor();
    // Only the part that can lie on the glyph becomes ink and paper.
    const QImage onGlyph =
        image.copy(0, 0, std::min(image.width(), e.GlyphWidth()), std::min(image.height(), e.GlyphHeight()));
    PlacePicture(s, fromQImage(onGlyph));
}

}  // namespace

void BindEditCommands(const CommandContext& c) {
    Session& s = c.session;
    const MainActions& a = c.actions;
    Bind(c, a.undo, [&s] { s.UndoCommand(); });
    Bind(c, a.clear, OnGlyph(s, [](GlyphEditor& e) { e.Clear(); }));
    Bind(c, a.selectAll, OnGlyph(s, [](GlyphEditor& e) { e.SelectAll(); }));
    Bind(c, a.copy, OnGlyph(s, [](GlyphEditor& e) { e.Copy(); }));
    Bind(c, a.cut, OnGlyph(s, [](GlyphEditor& e) { e.Cut(); }));
    Bind(c, a.paste, OnGlyph(s, [&s, &p = c.prompts](GlyphEditor&) { Paste(s, p); }));
    Bind(c, a.shiftLeft, OnGlyph(s, [](GlyphEditor& e) { e.ShiftImageGor(-1); }));
    Bind(c, a.shiftRight, OnGlyph(s, [](GlyphEditor& e) { e.ShiftImageGor(1); }));
    Bind(c, a.zoomIn, [&s] { s.ZoomIn(); });
    Bind(c, a.zoomOut, [&s] { s.ZoomOut(); });
}

}  // namespace glyphora
