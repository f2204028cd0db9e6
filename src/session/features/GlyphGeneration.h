// The commands of the "Processing" menu that fill glyphs from a desktop font
// and tidy their widths: "Select windows font", "Select font file", "Replace
// the chosen symbols" and "Optimize the chosen symbols on width". They work
// on the session's current set through its public flows, so every glyph is
// stored as every other edit is (sets 2, 3 and 7 in step, the grid told).
#pragma once

#include "GlyphBatch.h"
#include "GlyphRendering.h"
#include "KeptRenderer.h"
#include "ProgramFiles.h"
#include "RendererCall.h"
#include "Session.h"

#include <chrono>
#include <string>
#include <utility>

namespace glyphora {

// Which glyphs of the current set the Generate window draws.
struct GenerateRange {
    enum class Kind { All, Glyphs, Codes, BlankOnly };
    Kind kind = Kind::All;
    int from = 0;  // glyph indices (Glyphs) or character codes (Codes), both included
    int to = -1;
};

// What Generate would make of a range, without storing anything.
struct GenerationPreview {
    std::vector<int> glyphs;     // the range, in order
    std::vector<Symbols> shown;  // the current set's glyphs, those drawn as they would be stored
    BatchResult result;          // the glyphs whose ink would be cut, those not drawn
    // "12 glyphs, 16 px (fitted), 1 cut, 0 not drawn", or why nothing could be drawn.
    std::string summary;
    bool cut(int glyph) const;
    bool failed(int glyph) const;
};

class GlyphGeneration {
public:
    explicit GlyphGeneration(Session& session) : session_(session) {}

    // How long one renderer run may take before it is stopped (tests shorten it).
    void setRendererTimeout(std::chrono::milliseconds timeout) { timeout_ = timeout; }
    // The font dialog; the chosen font becomes the RenderFont and its height
    // is told ("Height of the chosen font 16 pixels.").
    void SelectWindowsFont();
    // A font file (TrueType, OpenType, PCF, BDF, OTB) whose path becomes the
    // RenderFont's name, for the bitmap fonts the font dialog does not list.
    // The style is the file's own; the height the current set's (cell height).
    void SelectFontFile();
    // The file dialog both ways of choosing a font file show: it opens in the
    // folder a font file was last chosen in.
    Prompts::FileDialog FontFileDialog() const;
    // The glyphs from..to (0-based, both included) of the current set drawn
    // anew by the renderer. Glyphs that could not be drawn keep their pixels
    // and are named in one message at the end.
    void ReplaceChosenSymbols(int from, int to);
    // The glyphs from..to trimmed to their ink plus one blank column; nothing
    // gone through when the batch could not start.
    BatchResult OptimizeChosenSymbols(int from, int to);
    // "Generate glyphs…": the glyphs `which` of the current set drawn with
    // these options (font, fit, baseline, wide glyphs, widths), as one batch,
    // by the renderer the preview keeps (what it drew already is not drawn
    // again). The report names the glyphs that failed and those whose ink was cut.
    BatchResult Generate(const GenerateOptions& options, const std::vector<int>& which);
    // The glyphs of the current set that a range names. "Only blank glyphs"
    // leaves the characters that are blank by nature (the spaces) alone.
    std::vector<int> glyphsOf(const GenerateRange& range) const;
    // The range the Generate window opens on, so that one Apply never redraws
    // hand-made glyphs unasked: the glyphs chosen in the grid when more than
    // one is, else the blank glyphs when the set has any, else the whole set.
    GenerateRange::Kind OpeningRange(int chosenFrom, int chosenTo) const;
    // The glyphs `which` of the current set drawn with these options; the
    // langpack is not touched. The renderer stays for the next preview and
    // for Generate, and draws only the glyphs it has not drawn in this font.
    GenerationPreview Preview(const GenerateOptions& options, const std::vector<int>& which);
    // The Generate window closed: the renderer it kept ends.
    void EndPreviews() { kept_.release(); }
    // The options the Generate window opens with: the RenderFont, fitted to
    // the current set, the baseline left to the font.
    GenerateOptions generateOptions() const;
    // The RenderFont as the status bar shows it: "DejaVu Sans, Book, 12 px",
    // and after a fitted Generate the sizes it drew with ("; fitted 10–12 px").
    std::string renderFontText() const;
    // The renderer program the batches start; empty: the one rendererPath() finds.
    void setRendererPath(std::string path) { rendererPath_ = std::move(path); }
    // The path set, or files/Runecast beside the editor, or the installed renderer.
    std::string rendererPath() const {
        return rendererPath_.empty() ? FindRenderer(session_.paths().programDir) : rendererPath_;
    }

private:
    // The current set has glyphs (or the user is told it has none) and the working glyph's question was answered.
    bool mayStartBatch();
    // Runs a batch over the current set under the window's long-work display.
    // Every batch changes the glyphs through here and only through `store`:
    // this is where a history of multi-glyph changes wraps one batch as one step.
    template <class Batch>
    BatchResult runBatch(const std::string& title, const std::vector<int>& which, Batch&& batch);
    // `kept`: by the renderer the previews keep, else by one of its own.
    BatchResult renderBatch(const std::string& title, const GenerateOptions& options, const std::vector<int>& which,
                            bool kept);

    Session& session_;
    RenderFont font_ = DefaultRenderFont();
    // The sizes the last fitted Generate drew with ("10–12 px"); empty when
    // it drew at the font's own size.
    std::string fittedSize_;
    std::chrono::milliseconds timeout_ = kRendererTimeout;
    std::string rendererPath_;
    KeptRenderer kept_;
    // While the kept renderer draws, a batch lets events through: a preview
    // asked then must not start a second job on the same program.
    bool keptDrawing_ = false;
};

// The end message of "Replace the chosen symbols", or nothing when every
// glyph was replaced (or the user cancelled before a glyph failed).
std::string ReplaceReport(const BatchResult& result);

// "Optimize the chosen symbols on width" over a range: each glyph that the
// trim changes (OptimizedGlyph) is stored, the others are left alone.
BatchResult OptimizeWidths(const std::vector<Symbols>& glyphs, GlyphRange range, int height, const GlyphStore& store,
                           const BatchProgress& progress = {});

// "11 px", or "10–12 px" when a fit drew some glyphs at another size.
std::string PixelSizeText(const BatchResult& result);

// The glyphs of a range that hold no ink within their width.
std::vector<int> BlankGlyphs(const std::vector<Symbols>& glyphs, GlyphRange range, int height);

}  // namespace glyphora
