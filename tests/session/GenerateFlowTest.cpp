// "Replace the chosen symbols" and "Optimize the chosen symbols on width"
// through the session: the real renderer on DejaVu Sans, renderers that
// fail in every way a program can (scripts written here).
#include "SessionFixture.h"

#include <BmpWriter.h>
#include <GlyphAlgorithms.h>
#include <GlyphGeneration.h>
#include <GlyphRows.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <optional>

namespace glyphora::testing {
namespace {

namespace fs = std::filesystem;
using fixtures::TypicalLangpack;

constexpr int kSet2 = 1;  // 0-based: set 2, height 12, codes 0x20 on from glyph 0; set 3 is its double
constexpr int kA = 0x41 - 0x20;

class GenerateFlowTest : public SessionTest {
protected:
    void SetUp() override {
        fs::create_directory(dir.root() / "files");
        open(writeLangpack("lang.smg", TypicalLangpack()));
        session().ChooseSet(kSet2);
        before_ = lp().SymbolTable[kSet2];
        generation_ = std::make_unique<GlyphGeneration>(session());
    }
    GlyphGeneration& generation() { return *generation_; }
    fs::path renderer() const { return dir.root() / "files" / "Runecast"; }
    void linkRealRenderer() const { fs::create_symlink(RUNECAST, renderer()); }
    // A renderer that is a shell script: $1 height, $2 style, $3 code, $4 name;
    // $GOOD is goodBitmap()'s file (the script runs in a scratch folder).
    void scriptRenderer(const std::string& body) const {
        dir.writeText("files/Runecast", "#!/bin/sh\nGOOD='" + (dir.root() / "good.bmp").string() + "'\n" + body + "\n");
        fs::permissions(renderer(), fs::perms::owner_all);
    }
    // A 3 x 5 picture with ink in its middle column, for scripts to copy.
    std::string goodBitmap() const {
        MonoImage image(3, 5);
        for (int y = 0; y < 5; ++y) image.setPixel(1, y, Pixel::Ink);
        return dir.write("good.bmp", WriteMonoBmp(image));
    }
    bool kept(int g) { return glyph(kSet2, g).Data == before_[static_cast<std::size_t>(g)].Data; }
    MonoImage imageOf(int g) {
        const Symbols& s = glyph(kSet2, g);
        return GlyphRowsToImage(s.Data, s.Width, 12);
    }

    std::vector<Symbols> before_;
    std::unique_ptr<GlyphGeneration> generation_;
};

TEST_F(GenerateFlowTest, TheRealRendererReplacesTheRangeAndTheCanvasKeepsTheWorkingGlyph) {
    linkRealRenderer();
    Session& s = session();
    s.ChooseSymbol(kA + 1);
    Prompts::Font font;
    font.name = "DejaVu Sans";
    font.height = -12;
    font.measuredHeight = 14;
    prompts.fonts = {font};
    generation().SelectWindowsFont();
    EXPECT_EQ(prompts.texts(), std::vector<std::string>{"Height of the chosen font 14 pixels."});
    prompts.clear();

    generation().ReplaceChosenSymbols(kA, kA + 3);
    EXPECT_TRUE(prompts.shown.empty()) << prompts.texts().front();
    EXPECT_EQ(prompts.steps, (std::vector<int>{1, 2, 3, 4}));
    for (int g = kA; g <= kA + 3; ++g) {
        EXPECT_FALSE(kept(g)) << g;
        EXPECT_TRUE(HasInk(imageOf(g), glyph(kSet2, g).Width, 12)) << g;
        EXPECT_EQ(glyph(kSet2 + 1, g).Data, glyph(kSet2, g).Data) << "set 3 shows set 2's glyph " << g;
    }
    EXPECT_TRUE(kept(kA - 1));
    EXPECT_TRUE(kept(kA + 4));
    // The canvas shows the glyph chosen in the grid as it is stored now.
    EXPECT_EQ(s.CurrentSymbol(), kA + 1);
    EXPECT_EQ(s.editor().GlyphWidth(), glyph(kSet2, kA + 1).Width);
    EXPECT_EQ(s.editor().EditImage(), imageOf(kA + 1));

    generation().OptimizeChosenSymbols(kA, kA + 3);
    for (int g = kA; g <= kA + 3; ++g) {
        const int width = glyph(kSet2, g).Width;
        const MonoImage image = imageOf(g);
        EXPECT_TRUE(HasInk(image, 1, 12)) << "ink in column 0 of " << g;
        EXPECT_FALSE(HasInk(image.copy(width - 1, 0, 1, 12), 1, 12)) << "blank last column of " << g;
        EXPECT_TRUE(HasInk(image.copy(width - 2, 0, 1, 12), 1, 12)) << "ink before it in " << g;
    }
    EXPECT_EQ(s.editor().EditImage(), imageOf(kA + 1));
    EXPECT_TRUE(prompts.shown.empty());
}

// A batch tells the views once, at its end, what it stored in set 2 and
// its double; a cancelled one tells only what it stored before.
TEST_F(GenerateFlowTest, ABatchTellsTheViewsOnceAndACancelStopsIt) {
    struct Told : SessionObserver {
        std::vector<std::pair<std::vector<int>, std::vector<int>>> glyphs;
        void glyphsChanged(const std::vector<int>& sets, const std::vector<int>& g) override {
            glyphs.emplace_back(sets, g);
        }
    } told;
    goodBitmap();
    scriptRenderer("cp \"$GOOD\" temp.bmp");
    session().setObserver(&told);
    const std::vector<int> five = {kA, kA + 1, kA + 2, kA + 3, kA + 4};
    for (const std::optional<int> cancelAfter : {std::optional<int>(), std::optional<int>(2)}) {
        told.glyphs.clear();
        prompts.cancelAfterSteps = cancelAfter;
        generation().Generate(generation().generateOptions(), five);
        const std::vector<int> stored(five.begin(), five.begin() + cancelAfter.value_or(5));
        ASSERT_EQ(told.glyphs.size(), 1u);
        EXPECT_EQ(told.glyphs[0].first, (std::vector<int>{kSet2, kSet2 + 1}));
        EXPECT_EQ(told.glyphs[0].second, stored);
    }
    session().setObserver(nullptr);
}

// The Generate window's renderer draws a glyph once per font: later previews
// with other placements, and the Apply, take what it drew.
TEST_F(GenerateFlowTest, PreviewsAndApplyDrawOnlyWhatTheyHaveNotDrawn) {
    goodBitmap();
    scriptRenderer("[ \"$1\" = --capabilities ] && exit 0\necho \"$3\" >> '" + dir.path("runs") +
                   "'; cp \"$GOOD\" temp.bmp");
    const auto runs = [&] {
        const std::string log = dir.readText(dir.path("runs"));
        return std::count(log.begin(), log.end(), '\n');
    };
    GenerateOptions options = generation().generateOptions();
    generation().Preview(options, {kA, kA + 1});
    options.placement.trim = true;
    generation().Preview(options, {kA, kA + 1, kA + 2});
    EXPECT_EQ(runs(), 3);
    generation().Generate(options, {kA, kA + 1, kA + 2});
    EXPECT_EQ(runs(), 3);
    EXPECT_FALSE(kept(kA + 2));
    options.font.height -= 1;
    generation().Preview(options, {kA});
    EXPECT_EQ(runs(), 4);
}

// Each way a renderer run can go wrong: the glyph keeps its pixels, the batch
// goes on (or, for a bitmap that cannot be read, ends) and one message says
// what was replaced and what not.
TEST_F(GenerateFlowTest, FailingRenderersLeaveTheirGlyphsAndSaySo) {
    struct Case {
        const char* name;
        const char* script;          // nullptr: no renderer at all
        bool staleBitmap;            // a temp.bmp of an earlier run lies in files/
        std::vector<bool> replaced;  // for A, B, C
        Prompts::Icon icon;
        std::vector<std::string> said;  // parts of the message
    };
    const Case cases[] = {
        {"not there",
         nullptr,
         false,
         {false, false, false},
         Prompts::Icon::Warning,
         {"0 of 3 glyphs were replaced.", "Not replaced: U+0041, U+0042, U+0043.", "cannot start"}},
        {"fails",
         "echo 'Runecast: no font called Nowhere' >&2; exit 1",
         false,
         {false, false, false},
         Prompts::Icon::Warning,
         {"0041: Runecast ended with exit status 1: Runecast: no font called Nowhere"}},
        {"writes nothing, an old bitmap lies there",
         "exit 0",
         true,
         {false, false, false},
         Prompts::Icon::Warning,
         {"Runecast left no temp.bmp"}},
        {"hangs for B",
         "[ \"$3\" = 66 ] && sleep 30; cp \"$GOOD\" temp.bmp",
         false,
         {true, false, true},
         Prompts::Icon::Warning,
         {"2 of 3 glyphs were replaced.", "Not replaced: U+0042.", "did not end within 0.5 s"}},
        {"garbage for B",
         "if [ \"$3\" = 65 ]; then cp \"$GOOD\" temp.bmp; else echo junk > temp.bmp; fi",
         false,
         {true, false, false},
         Prompts::Icon::Error,
         {"Replacing stopped at U+0042:", "files/temp.bmp' is not a readable bitmap",
          "1 of 3 glyphs were replaced before it."}},
    };
    const std::string good = goodBitmap();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::error_code ec;
        fs::remove(renderer(), ec);
        if (c.script) scriptRenderer(c.script);
        if (c.staleBitmap) fs::copy_file(good, dir.path("files/temp.bmp"), fs::copy_options::overwrite_existing);
        session().NoEditingLang();
        prompts.clear();
        generation().setRendererTimeout(std::chrono::milliseconds(500));

        const auto start = std::chrono::steady_clock::now();
        generation().ReplaceChosenSymbols(kA, kA + 2);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));

        ASSERT_EQ(prompts.shown.size(), 1u);
        EXPECT_EQ(prompts.shown[0].icon, c.icon);
        for (const std::string& part : c.said)
            EXPECT_NE(prompts.shown[0].text.find(part), std::string::npos) << prompts.shown[0].text;
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(!kept(kA + i), c.replaced[static_cast<std::size_t>(i)]) << "glyph " << kA + i;
            if (c.replaced[static_cast<std::size_t>(i)]) {
                EXPECT_EQ(glyph(kSet2, kA + i).Width, 3);
            }
        }
        // The langpack counts as changed even when nothing was replaced.
        EXPECT_TRUE(session().LangModified());
        for (int i = 0; i < 3; ++i) session().StoreGlyph(kSet2, kA + i, before_[kA + i].Width, before_[kA + i].Data);
    }
}

TEST_F(GenerateFlowTest, CancelKeepsTheGlyphsAlreadyReplaced) {
    goodBitmap();
    scriptRenderer("cp \"$GOOD\" temp.bmp");
    prompts.cancelAfterSteps = 2;
    generation().ReplaceChosenSymbols(kA, kA + 4);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(prompts.steps, (std::vector<int>{1, 2}));
    EXPECT_FALSE(kept(kA));
    EXPECT_FALSE(kept(kA + 1));
    EXPECT_TRUE(kept(kA + 2));
}

TEST_F(SessionTest, BatchesOnASetWithoutGlyphsSaySoAndChangeNothing) {
    fixtures::LangpackSpec spec = TypicalLangpack();
    spec.Sets[0].Interval0 = {};
    spec.Sets[0].Intervals.clear();
    spec.Sets[0].Glyphs.clear();
    open(writeLangpack("empty.smg", spec));
    ASSERT_TRUE(lp().SymbolTable[0].empty());
    session().ChooseSet(0);
    GlyphGeneration generation(session());
    generation.ReplaceChosenSymbols(0, 0);
    generation.OptimizeChosenSymbols(0, 0);
    EXPECT_EQ(prompts.texts(), (std::vector<std::string>(2, "The set 1 has no glyphs.")));
    EXPECT_FALSE(session().LangModified());
}

TEST_F(GenerateFlowTest, CancelAtTheGlyphQuestionStartsNothing) {
    scriptRenderer("exit 7");
    drawPixel();
    prompts.answers = {Answer::Cancel, Answer::Cancel};
    session().NoEditingLang();
    generation().ReplaceChosenSymbols(kA, kA + 2);
    generation().OptimizeChosenSymbols(kA, kA + 2);
    EXPECT_EQ(prompts.texts(), (std::vector<std::string>(2, "Save the current symbol?")));
    EXPECT_TRUE(prompts.longWorks.empty());
}

// The Generate window's preview: the range drawn in a renderer run of its
// own, what would be cut or not drawn marked, and nothing stored.
TEST_F(GenerateFlowTest, APreviewDrawsTheRangeAndStoresNothing) {
    goodBitmap();
    scriptRenderer("[ \"$3\" = 66 ] && exit 3; cp \"$GOOD\" temp.bmp");
    session().NoEditingLang();
    const std::vector<int> which = generation().glyphsOf({GenerateRange::Kind::Codes, 0x41, 0x43});
    ASSERT_EQ(which, (std::vector<int>{kA, kA + 1, kA + 2}));
    GenerateOptions options = generation().generateOptions();
    options.fit = false;
    const GenerationPreview preview = generation().Preview(options, which);
    EXPECT_EQ(preview.glyphs, which);
    EXPECT_EQ(preview.summary, "3 glyphs, 0 cut, 1 not drawn");
    EXPECT_FALSE(preview.failed(kA));
    EXPECT_TRUE(preview.failed(kA + 1));
    EXPECT_FALSE(preview.cut(kA));
    const Symbols& drawn = preview.shown[static_cast<std::size_t>(kA)];
    EXPECT_EQ(drawn.Width, 3);
    EXPECT_TRUE(HasInk(GlyphRowsToImage(drawn.Data, 3, 12).copy(1, 0, 1, 12), 1, 12));
    for (int g = kA; g <= kA + 2; ++g) EXPECT_TRUE(kept(g)) << g;
    EXPECT_FALSE(session().LangModified());
    EXPECT_FALSE(session().commandInputs().canUndoLangpack);
    EXPECT_TRUE(prompts.shown.empty());
}

// The window opens on the glyphs chosen in the grid, else on the blank ones
// (a blank space is no blank glyph to draw), else on the whole set.
TEST_F(GenerateFlowTest, TheOpeningRangeNeverRedrawsHandMadeGlyphsUnasked) {
    using Kind = GenerateRange::Kind;
    const std::vector<uint8_t> paper(12, 0xFF);  // 12 rows of one byte, no ink
    EXPECT_EQ(generation().OpeningRange(kA, kA + 2), Kind::Glyphs);
    ASSERT_TRUE(generation().glyphsOf({Kind::BlankOnly}).empty());
    EXPECT_EQ(generation().OpeningRange(kA, kA), Kind::All);
    session().StoreGlyph(kSet2, 0, 4, paper);  // U+0020
    EXPECT_EQ(generation().OpeningRange(kA, kA), Kind::All);
    session().StoreGlyph(kSet2, kA, 4, paper);
    EXPECT_EQ(generation().OpeningRange(kA, kA), Kind::BlankOnly);
    EXPECT_EQ(generation().glyphsOf({Kind::BlankOnly}), std::vector<int>{kA});
}

}  // namespace
}  // namespace glyphora::testing
