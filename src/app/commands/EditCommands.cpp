#include "EditCommands.h"

#include <GlyphExchange.h>
#include <GlyphSteps.h>
#include <ImageConvert.h>
#include <Zoom.h>

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
    if (!PicturePlacement(s).GlyphTakesPicture()) return;
    const GlyphEditor& e = s.editor();
    // Only the part that can lie on the glyph becomes ink and paper.
    const QImage onGlyph =
        image.copy(0, 0, std::min(image.width(), e.GlyphWidth()), std::min(image.height(), e.GlyphHeight()));
    PicturePlacement(s).Place(fromQImage(onGlyph));
}

}  // namespace

void BindEditCommands(const CommandContext& c) {
    Session& s = c.session;
    Bind(c, Command::Undo, [&s] { GlyphSteps(s).UndoCommand(); });
    Bind(c, Command::Clear, OnGlyph(s, [](GlyphEditor& e) { e.Clear(); }));
    Bind(c, Command::SelectAll, OnGlyph(s, [](GlyphEditor& e) { e.SelectAll(); }));
    Bind(c, Command::Copy, OnGlyph(s, [](GlyphEditor& e) { e.Copy(); }));
    Bind(c, Command::Cut, OnGlyph(s, [](GlyphEditor& e) { e.Cut(); }));
    Bind(c, Command::Paste, OnGlyph(s, [&s, &p = c.prompts](GlyphEditor&) { Paste(s, p); }));
    Bind(c, Command::ShiftLeft, OnGlyph(s, [](GlyphEditor& e) { e.ShiftImageGor(-1); }));
    Bind(c, Command::ShiftRight, OnGlyph(s, [](GlyphEditor& e) { e.ShiftImageGor(1); }));
    Bind(c, Command::ZoomIn, [&s] { Zoom(s).ZoomIn(); });
    Bind(c, Command::ZoomOut, [&s] { Zoom(s).ZoomOut(); });
}

}  // namespace glyphora
