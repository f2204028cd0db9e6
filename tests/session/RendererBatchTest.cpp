// The renderer driven in one start per batch: the size a fit picks on two
// fonts, and renderers that end or hang in the middle of a batch (the glyphs
// drawn before stay, the others are named, a cancel stops at once).
#include <GlyphGeneration.h>
#include <GlyphRendering.h>
#include <RememberedDrawings.h>
#include <TempFolder.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace glyphora::testing {
namespace {

namespace fs = std::filesystem;

// The largest size whose line fits: the picture at the size chosen fits the
// rows, one pixel more does not.
TEST(RendererBatch, FitPicksTheLargestSizeWhoseLineFitsTheSet) {
    struct Case {
        const char* font;
        int rows;
    } cases[] = {{"DejaVu Sans", 16}, {"DejaVu Sans", 11}, {"Unifont", 16}, {"Unifont", 32}};
    TempFolder dir;
    fs::create_directory(dir.root() / "files");
    BatchRenderer batch(RUNECAST, dir.path("files"));
    OneGlyphRenderer single(RUNECAST, dir.path("files"));
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.font) + " in " + std::to_string(c.rows) + " rows");
        RenderJob job;
        job.font.name = c.font;
        job.fitRows = c.rows;
        job.codes = {'g', 0x416};
        std::vector<RenderedGlyph> drawn;
        batch.drawAll(job,
                      [&](std::size_t, Result<RenderedGlyph> g) {
                          ASSERT_TRUE(g) << g.error().message;
                          drawn.push_back(std::move(*g));
                      },
                      {});
        ASSERT_EQ(drawn.size(), 2u);
        const int size = drawn[0].pixelSize;
        EXPECT_GT(size, 0);
        EXPECT_EQ(drawn[1].pixelSize, size);
        EXPECT_LE(drawn[0].image.height(), c.rows);
        EXPECT_LE(*drawn[0].ascent, drawn[0].image.height());
        job.fitRows = 0;
        job.font.height = -(size + 1);
        job.codes = {'g'};
        single.drawAll(job,
                       [&](std::size_t, Result<RenderedGlyph> g) {
                           ASSERT_TRUE(g) << g.error().message;
                           EXPECT_GT(g->image.height(), c.rows) << "size " << size + 1 << " fits too";
                       },
                       {});
    }
}

// A renderer that remembers: each job asks the program only for the codes
// it has not drawn in this font, hands everything over in the job's order,
// and asks again for what failed.
TEST(RendererBatch, RememberedDrawingsAskOnlyForWhatWasNotDrawnInThisFont) {
    struct Counting : GlyphRenderer {
        std::vector<uint16_t> asked;
        void drawAll(const RenderJob& job, const RenderedSink& take, const KeepGoing&) override {
            for (std::size_t i = 0; i < job.codes.size(); ++i) {
                asked.push_back(job.codes[i]);
                if (job.codes[i] == 'X') {
                    take(i, MakeError(ErrorKind::Failed, "no X"));
                    continue;
                }
                RenderedGlyph glyph;
                glyph.pixelSize = job.codes[i];
                take(i, glyph);
            }
        }
        bool tellsBaseline() const override { return true; }
    } program;
    RememberedDrawings drawings(program);
    struct Case {
        const char* name;
        int height;
        std::vector<uint16_t> codes;
        std::vector<uint16_t> asked;  // of the program
    } cases[] = {
        {"first", -12, {'A', 'B'}, {'A', 'B'}},
        {"more of the same font", -12, {'C', 'A', 'X', 'B', 'C'}, {'C', 'X', 'C'}},
        {"the same again", -12, {'B', 'A', 'C'}, {}},
        {"a failure is asked again", -12, {'X', 'A'}, {'X'}},
        {"another size", -13, {'A'}, {'A'}},
        {"the first size is forgotten", -12, {'A'}, {'A'}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        program.asked.clear();
        RenderJob job;
        job.font.name = "DejaVu Sans";
        job.font.height = c.height;
        job.codes = c.codes;
        std::vector<std::size_t> order;
        drawings.drawAll(job,
                         [&](std::size_t i, Result<RenderedGlyph> g) {
                             order.push_back(i);
                             EXPECT_EQ(static_cast<bool>(g), c.codes[i] != 'X') << i;
                             if (g) {
                                 EXPECT_EQ(g->pixelSize, c.codes[i]) << i;
                             }
                         },
                         {});
        EXPECT_EQ(program.asked, c.asked);
        std::vector<std::size_t> all(c.codes.size());
        for (std::size_t i = 0; i < all.size(); ++i) all[i] = i;
        EXPECT_EQ(order, all);
    }
}

#ifndef _WIN32
// The stand-in renderer is a shell script; the Windows runner's time limit
// and job are tested with the process probe.

std::vector<Symbols> Glyphs(std::initializer_list<uint16_t> codes) {
    std::vector<Symbols> glyphs;
    for (uint16_t code : codes) {
        Symbols& glyph = glyphs.emplace_back();
        glyph.Code = code;
        glyph.Width = 1;
    }
    return glyphs;
}

struct Drawn {
    std::vector<int> stored;
    BatchResult result;
};

// `cancelAt`: the caller cancels once this many glyphs are stored.
Drawn Draw(GlyphRenderer& renderer, const std::vector<Symbols>& glyphs, const GenerateOptions& options,
           std::size_t cancelAt) {
    Drawn drawn;
    const KeepGoing keepGoing = [&] { return drawn.stored.size() < cancelAt; };
    drawn.result = RenderGlyphs(
        glyphs, RangeIndices({0, static_cast<int>(glyphs.size()) - 1}, static_cast<int>(glyphs.size())), options,
        renderer, [&](int g, uint8_t, const std::vector<uint8_t>&) { drawn.stored.push_back(g); }, {}, keepGoing);
    return drawn;
}

TEST(RendererBatch, ARendererThatStopsMidBatchCostsOnlyTheGlyphsNotDrawn) {
    struct Case {
        const char* name;
        const char* afterTwo;  // what the fake renderer does once it answered two requests
        bool cancel;           // the caller cancels once two glyphs are in
        const char* reason;    // in each of the other glyphs' failure
    } cases[] = {
        {"ends", "exit 0", false, "stopped before it drew this glyph: it ended with exit status 0"},
        {"is killed", "kill -9 $$", false, "was ended by signal 9"},
        {"hangs", "sleep 30", false, "did not end within 0.5 s"},
        {"hangs, the user cancels", "sleep 30", true, nullptr},
    };
    TempFolder dir;
    const std::vector<Symbols> glyphs = Glyphs({'A', 'B', 'C', 'D', 'E'});
    GenerateOptions options;
    options.font.name = "DejaVu Sans";
    options.placement.height = 12;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string program = dir.writeText(
            "fake", std::string("#!/bin/sh\n[ \"$1\" = --capabilities ] && { echo 'batch fit'; exit 0; }\n") +
                        "head -n 2 | '" + RUNECAST + "' --batch\n" + c.afterTwo + "\n");
        fs::permissions(program, fs::perms::owner_all);
        Result<RendererRun> run = RendererRun::Start(program, std::chrono::milliseconds(500));
        ASSERT_TRUE(run);
        ASSERT_TRUE(run->renderer().tellsBaseline()) << "the batch mode was not taken";
        const Drawn drawn = Draw(run->renderer(), glyphs, options, c.cancel ? 2 : glyphs.size());
        EXPECT_EQ(drawn.stored, (std::vector<int>{0, 1}));
        EXPECT_FALSE(drawn.result.stopped);
        EXPECT_EQ(drawn.result.cancelled, c.cancel);
        if (c.cancel) {
            EXPECT_TRUE(drawn.result.failed.empty());
            continue;
        }
        ASSERT_EQ(drawn.result.failed.size(), 3u);
        for (const GlyphFailure& f : drawn.result.failed)
            EXPECT_NE(f.reason.find(c.reason), std::string::npos) << f.reason;
    }
}

// The program stays for the next job, and one that went away between jobs
// is started again without a glyph lost.
TEST(RendererBatch, TheProgramIsKeptForTheNextJobAndStartedAgainWhenGone) {
    struct Case {
        const char* name;
        const char* serve;  // how the fake renderer answers
        int starts;         // for three jobs of two glyphs
    } cases[] = {{"stays", "exec '" RUNECAST "' --batch", 1},
                 {"leaves after each job", "head -n 2 | '" RUNECAST "' --batch", 3}};
    TempFolder dir;
    const std::vector<Symbols> glyphs = Glyphs({'A', 'B'});
    GenerateOptions options;
    options.font.name = "DejaVu Sans";
    options.placement.height = 12;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string log = dir.path(std::string("starts of ") + c.name);
        const std::string program = dir.writeText(
            "fake", std::string("#!/bin/sh\n[ \"$1\" = --capabilities ] && { echo 'batch fit'; exit 0; }\necho >> '") +
                        log + "'\n" + c.serve + "\n");
        fs::permissions(program, fs::perms::owner_all);
        BatchRenderer renderer(program, dir.root().string());
        for (int job = 0; job < 3; ++job) {
            const Drawn drawn = Draw(renderer, glyphs, options, glyphs.size());
            EXPECT_EQ(drawn.stored, (std::vector<int>{0, 1})) << job;
        }
        const std::string starts = dir.readText(log);
        EXPECT_EQ(std::count(starts.begin(), starts.end(), '\n'), c.starts);
    }
}

// An answer whose numbers no picture can have is refused, naming the
// renderer and the number, before anything is read or placed by it.
TEST(RendererBatch, AnAnswerOutOfRangeIsRefusedAndStoresNothing) {
    struct Case {
        const char* answer;  // to the request for 'A', with a bitmap of 62 bytes following
        const char* reason;
    } cases[] = {
        {"ok 65 5 12 -2147483648 12 62", "its ascent -2147483648 lies outside 0 to 12"},
        {"ok 65 5 12 13 12 62", "its ascent 13 lies outside 0 to 12"},
        {"ok 65 0 12 10 12 62", "its width 0 lies outside 1 to 4096"},
        {"ok 65 5 4097 10 12 62", "its height 4097 lies outside 1 to 4096"},
        {"ok 65 5 12 10 -1 62", "its pixel size -1 lies outside 0 to 4096"},
        {"ok 65 5 12 10 12 0", "its bitmap's size 0 lies outside 1 to 4194304"},
    };
    TempFolder dir;
    GenerateOptions options;
    options.font.name = "DejaVu Sans";
    options.placement.height = 12;
    options.placement.baseline = 5;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        std::string script =
            "#!/bin/sh\n[ \"$1\" = --capabilities ] && { echo 'batch fit'; exit 0; }\nread line\necho '";
        script += c.answer;
        script += "'\nhead -c 62 /dev/zero\nexec cat >/dev/null\n";
        const std::string program = dir.writeText("fake", script);
        fs::permissions(program, fs::perms::owner_all);
        Result<RendererRun> run = RendererRun::Start(program, std::chrono::milliseconds(2000));
        ASSERT_TRUE(run);
        const Drawn drawn = Draw(run->renderer(), Glyphs({'A', 'B'}), options, 2);
        EXPECT_TRUE(drawn.stored.empty());
        ASSERT_EQ(drawn.result.failed.size(), 2u);
        std::string expected = "fake answered '";
        expected += c.answer;
        expected += "' for U+0041: ";
        expected += c.reason;
        const std::string& reason = drawn.result.failed.front().reason;
        EXPECT_NE(reason.find(expected), std::string::npos) << reason;
    }
}
#endif

// A fit may draw some glyphs at another size than the rest: the batch tells
// every size it drew with, not the last one.
TEST(RendererBatch, TellsTheRangeOfSizesAFitDrewWith) {
    struct Sizes : GlyphRenderer {
        std::vector<int> sizes;
        void drawAll(const RenderJob& job, const RenderedSink& take, const KeepGoing&) override {
            for (std::size_t i = 0; i < job.codes.size(); ++i) take(i, RenderedGlyph{MonoImage(3, 8), 6, sizes[i]});
        }
        bool tellsBaseline() const override { return true; }
    };
    const struct Case {
        std::vector<int> sizes;
        std::string text;
    } cases[] = {{{11, 11}, "11 px"}, {{12, 10, 11}, "10\u201312 px"}, {{0, 9}, "9 px"}};
    for (const Case& c : cases) {
        Sizes renderer;
        renderer.sizes = c.sizes;
        std::vector<Symbols> glyphs(c.sizes.size());
        GenerateOptions options;
        options.fit = true;
        options.placement.height = 8;
        const int last = static_cast<int>(glyphs.size()) - 1;
        const BatchResult result = RenderGlyphs(glyphs, RangeIndices({0, last}, last + 1), options, renderer,
                                                [](int, uint8_t, const std::vector<uint8_t>&) {});
        EXPECT_EQ(PixelSizeText(result), c.text);
    }
}

}  // namespace
}  // namespace glyphora::testing
