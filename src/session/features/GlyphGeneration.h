// The commands of the "Processing" menu that fill glyphs from a desktop font
// and tidy their widths: "Select windows font", "Select font file", "Replace
// the chosen symbols" and "Optimize the chosen symbols on width". They work
// on the session's current set through its public flows, so every glyph is
// stored as every other edit is (sets 2, 3 and 7 in step, the grid told).
#pragma once

#include "GlyphBatch.h"
#include "ProgramFiles.h"
#include "RendererCall.h"
#include "Session.h"

#include <chrono>
#include <string>

namespace glyphora {

class GlyphGeneration {
public:
    explicit GlyphGeneration(Session& session) : session_(session) {}

    // The font the renderer is given; it lasts for the run and is not saved.
    const RenderFont& renderFont() const { return font_; }
    // How long one renderer run may take before it is stopped (tests shorten it).
    void setRendererTimeout(std::chrono::milliseconds timeout) { timeout_ = timeout; }
    // files/Runecast beside the editor, or the installed renderer.
    std::string rendererPath() const { return FindRenderer(session_.paths().programDir); }

    // The font dialog; the chosen font becomes the RenderFont and its height
    // is told ("Height of the chosen font 16 pixels.").
    void SelectWindowsFont();
    // A font file (TrueType, OpenType, PCF, BDF, OTB) whose path becomes the
    // RenderFont's name, for the bitmap fonts the font dialog does not list.
    // Height and style stay.
    void SelectFontFile();
    // The glyphs from..to (0-based, both included) of the current set drawn
    // anew by the renderer. Glyphs that could not be drawn keep their pixels
    // and are named in one message at the end.
    void ReplaceChosenSymbols(int from, int to);
    // The glyphs from..to trimmed to their ink plus one blank column.
    void OptimizeChosenSymbols(int from, int to);

private:
    // The current set has glyphs (or the user is told it has none) and the working glyph's question was answered.
    bool mayStartBatch();
    // Runs a batch over the current set under the window's long-work display.
    template <class Batch>
    BatchResult runBatch(const std::string& title, int from, int to, Batch&& batch);

    Session& session_;
    RenderFont font_ = DefaultRenderFont();
    std::chrono::milliseconds timeout_ = kRendererTimeout;
};

// The end message of "Replace the chosen symbols", or nothing when every
// glyph was replaced (or the user cancelled before a glyph failed).
std::string ReplaceReport(const BatchResult& result);

}  // namespace glyphora
