// The renderer's back ends: the program Runecast (or any renderer of the
// one-glyph contract) driven in one start per batch when it says it can,
// else in one start per glyph, each in the batch's scratch folder. Tests and
// benchmarks give their own programs.
#pragma once

#include "ProgramFiles.h"
#include "RendererCall.h"

#include <MonoImage.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace glyphora {

// A character as the renderer drew it, whole: ink on paper, the glyph's
// top-left pixel at (0, 0), and the baseline's row when the renderer tells it.
struct RenderedGlyph {
    MonoImage image;
    std::optional<int> ascent;
    int pixelSize = 0;  // the em size drawn (what a fit chose); 0 when not told
};

// What one batch asks the renderer for.
struct RenderJob {
    RenderFont font;
    // Above 0: the largest size whose line (ascent plus descent) is at most
    // this many rows, the font's height aside.
    int fitRows = 0;
    std::vector<uint16_t> codes;
};

// Called for each code of a job, in order, as soon as it is drawn.
using RenderedSink = std::function<void(std::size_t index, Result<RenderedGlyph> glyph)>;

class GlyphRenderer {
public:
    virtual ~GlyphRenderer() = default;
    // Draws the job's codes in order. An error of kind Failed concerns that
    // glyph alone; an error of any other kind is handed over and ends the
    // job. Returns when every code was handed over, after such an error, or
    // at once when keepGoing says so (also in the middle of a glyph). A code
    // not handed over was not drawn.
    virtual void drawAll(const RenderJob& job, const RenderedSink& take, const KeepGoing& keepGoing) = 0;
    // Whether the pictures come with their baseline.
    virtual bool tellsBaseline() const = 0;
};

// The renderer program started once per glyph, as any renderer that knows
// only `Runecast HEIGHT STYLE CODE NAME` expects: temp.bmp in its current
// folder is removed, the program run there (RunAndWait, at most `timeout`)
// and temp.bmp read back (a regular file of at most a few megabytes). A
// glyph fails when the program could not be started, ran too long, ended
// with a status other than 0 or left no temp.bmp; a temp.bmp that cannot be
// removed or read ends the batch, with a message that names it. A fit asks
// for the cell height (a positive height), the one way the contract has.
class OneGlyphRenderer : public GlyphRenderer {
public:
    OneGlyphRenderer(std::string programPath, std::string folder, std::chrono::milliseconds timeout = kRendererTimeout);
    void drawAll(const RenderJob& job, const RenderedSink& take, const KeepGoing& keepGoing) override;
    bool tellsBaseline() const override { return false; }

private:
    Result<RenderedGlyph> draw(const RenderFont& font, uint16_t code, const KeepGoing& keepGoing);
    std::string programPath_;
    std::string bitmapPath_;
    std::string folder_;
    std::chrono::milliseconds timeout_;
};

// Glyphora's own renderer in one start for the whole job (`Runecast
// --batch`: one request a line on its stdin, each answer a line and a BMP on
// its stdout). Each answer must come within `timeout` of its request. A
// renderer that ends mid-batch costs only the glyphs it had not drawn yet:
// each is handed over as failed, with how the program ended. The program
// stays for the next job as long as it answered every request of this one;
// one that went away meanwhile is started again.
class BatchRenderer : public GlyphRenderer {
public:
    BatchRenderer(std::string programPath, std::string folder, std::chrono::milliseconds timeout = kRendererTimeout);
    ~BatchRenderer() override;
    BatchRenderer(const BatchRenderer&) = delete;
    BatchRenderer& operator=(const BatchRenderer&) = delete;
    void drawAll(const RenderJob& job, const RenderedSink& take, const KeepGoing& keepGoing) override;
    bool tellsBaseline() const override { return true; }

private:
    enum class Outcome { Kept, Ended, GoneBeforeItBegan };
    Outcome drawWith(ChildProcess& child, const RenderJob& job, const RenderedSink& take, bool reused);

    std::string programPath_;
    std::string folder_;
    std::chrono::milliseconds timeout_;
    std::optional<ChildProcess> child_;
};

// Whether the renderer announces the batch mode (`--capabilities` prints a
// line holding "batch"); a renderer that does anything else does not.
bool HasBatchMode(const std::string& programPath, const std::string& folder);

// The renderer of a batch in its scratch folder: one start for all when it
// can, else one per glyph.
class RendererRun {
public:
    static Result<RendererRun> Start(const std::string& rendererPath,
                                     std::chrono::milliseconds timeout = kRendererTimeout);
    GlyphRenderer& renderer() { return *renderer_; }

private:
    explicit RendererRun(RendererFolder folder) : folder_(std::move(folder)) {}
    RendererFolder folder_;
    std::unique_ptr<GlyphRenderer> renderer_;
};

}  // namespace glyphora
