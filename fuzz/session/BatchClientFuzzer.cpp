// Any bytes as what a renderer in batch mode writes on its stdout, read by the
// editor's batch client (BatchRenderer: its answer lines through
// ChildProcess::readLine, the bitmaps after them) from a stand-in renderer
// that writes exactly these bytes through a real pipe, and placed into a set
// as "Replace the chosen symbols" places them, on the baseline. Each code of
// the job is handed over once, in order; a failure names the renderer and
// does not end the job unless it is of a kind that must; a glyph stored has a
// width of 1 to 15 and the set's rows, never a crash or undefined behaviour.
//
// One start of /bin/sh and cat per input: slower than a parser in memory, but
// the answers come through the pipe and the reads the editor does, and the
// stand-in ends by itself, so every run is the same.
#include "FuzzScratchFolder.h"
#include "GlyphRendering.h"

#include <GlyphRows.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

using namespace glyphora;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "fuzz_batch_client: %s\n", what);
    std::abort();
}

constexpr const char* kRendererName = "stand-in-renderer";

// A folder for the whole run with the stand-in renderer in it, which writes
// the file `answers` beside it and reads no request.
class StandIn {
public:
    StandIn() : program_(scratch_.path(kRendererName)) {
        write(program_, "#!/bin/sh\nexec cat answers\n");
        std::error_code ec;
        std::filesystem::permissions(program_, std::filesystem::perms::owner_all, ec);
        if (ec) Fail("the stand-in renderer cannot be made executable");
    }

    void answer(const uint8_t* data, std::size_t size) const {
        write(scratch_.path("answers"), std::string(reinterpret_cast<const char*>(data), size));
    }
    std::string folder() const { return scratch_.folder(); }
    const std::string& program() const { return program_; }

private:
    static void write(const std::string& path, const std::string& bytes) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) Fail("the scratch folder cannot be written");
    }
    fuzzing::FuzzScratchFolder scratch_{"fuzz-batch"};
    std::string program_;
};

constexpr int kHeight = 12;
constexpr int kBaseline = 9;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static const StandIn standIn;
    standIn.answer(data, size);

    std::vector<Symbols> glyphs(3);
    glyphs[0].Code = 'A';
    glyphs[1].Code = 'B';
    glyphs[2].Code = 0x416;
    GenerateOptions options;
    options.font.name = "Fuzz Sans";
    options.fit = true;
    options.placement.height = kHeight;
    options.placement.baseline = kBaseline;
    options.placement.wide = WideGlyphs::Shrink;
    options.placement.trim = true;

    // Between the renderer and the placing: what the client hands over.
    class Watched : public GlyphRenderer {
    public:
        explicit Watched(BatchRenderer& inner) : inner_(inner) {}
        void drawAll(const RenderJob& job, const RenderedSink& take, const KeepGoing& keepGoing) override {
            std::size_t next = 0;
            bool ended = false;
            inner_.drawAll(
                job,
                [&](std::size_t i, Result<RenderedGlyph> glyph) {
                    if (ended) Fail("a code was handed over after an error that ends the job");
                    if (i != next++) Fail("the codes were not handed over once each, in order");
                    if (!glyph) {
                        if (glyph.error().message.find(kRendererName) == std::string::npos)
                            Fail("a failure that does not name the renderer");
                        ended = glyph.error().kind != ErrorKind::Failed;
                    } else if (!glyph->ascent) {
                        Fail("a picture of the batch without its baseline");
                    }
                    take(i, std::move(glyph));
                },
                keepGoing);
            if (!ended && next != job.codes.size()) Fail("a job ended without handing over every code");
        }
        bool tellsBaseline() const override { return true; }

    private:
        BatchRenderer& inner_;
    };
    BatchRenderer batch(standIn.program(), standIn.folder(), std::chrono::seconds(10));
    Watched watched(batch);

    int lastStored = -1;
    const BatchResult result =
        RenderGlyphs(glyphs, {0, 1, 2}, options, watched, [&](int g, uint8_t width, const std::vector<uint8_t>& rows) {
            if (g <= lastStored) Fail("a glyph was stored twice or out of order");
            lastStored = g;
            if (width < 1 || width > kRenderedMaxWidth) Fail("a glyph was stored with a width outside 1 to 15");
            if (rows.size() != GlyphDataSize(width, kHeight)) Fail("a glyph was stored with rows not of the set");
        });
    if (result.done > result.total || result.changed > result.done) Fail("the batch counted more than it did");
    if (result.changed + static_cast<int>(result.failed.size()) != result.done)
        Fail("a glyph gone through was neither stored nor named as failed");
    return 0;
}
