// What the session reports to the window that shows it. Each call says what
// changed; the window repaints that part.
#pragma once

#include <string>
#include <vector>

namespace glyphora {

class SessionObserver {
public:
    virtual ~SessionObserver() = default;
    // Another langpack is loaded: the information page and the set grid show it.
    virtual void documentReplaced() {}
    // The glyph grid shows the glyphs of CurrentSet (or nothing when it is -1).
    virtual void setShown() {}
    // The grids select CurrentSet and CurrentSymbol; also after a refused
    // choice, so a grid never points at another set or glyph than the session.
    virtual void selectionChanged() {}
    // The width or rows of these glyphs changed in the model, in each of
    // these sets (a set and those saved with it). A batch is told once, when
    // it ends.
    virtual void glyphsChanged(const std::vector<int>& /*sets*/, const std::vector<int>& /*glyphs*/) {}
    // The height of these sets changed, and with it every glyph's rows.
    virtual void setHeightsChanged(const std::vector<int>& /*sets*/) {}
    // These sets changed as a whole: their characters, glyph count or height
    // (a langpack-wide Undo puts whole sets back). Whatever shows them is
    // built anew; by default that is what a new height does.
    virtual void setsReplaced(const std::vector<int>& sets) { setHeightsChanged(sets); }
    // A short report for the status bar ("64 glyphs changed").
    virtual void statusMessage(const std::string& /*text*/) {}
    // The canvas shows the working glyph, or is hidden.
    virtual void canvasVisibility(bool /*visible*/) {}
    // The interface texts changed: the secondary windows and the status-bar
    // prefixes show Session::uiStrings().
    virtual void interfaceTextsChanged() {}
    // The title, the enabled commands or other shell state changed.
    virtual void stateChanged() {}
    // The Open-file flow opened the langpack of `path` (the file chosen: the
    // langpack itself, or the flash file it was extracted from).
    virtual void fileOpened(const std::string& /*path*/) {}
};

}  // namespace glyphora
