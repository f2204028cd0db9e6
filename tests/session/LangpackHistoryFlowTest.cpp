// The langpack-wide history: each multi-glyph command is one step that Undo
// and Redo of langpack changes walk, beside the working glyph's own steps.
#include "SessionFixture.h"

#include <CharacterRangesFeature.h>
#include <GlyphGeneration.h>

#include <GlyphSize.h>
#include <LangpackUndo.h>
#include <filesystem>
#include <stdexcept>
#include <tuple>

namespace glyphora::testing {
namespace {

using fixtures::TypicalLangpack;

// Code, width and rows of every glyph of a set.
std::vector<std::tuple<uint16_t, int, std::vector<uint8_t>>> Glyphs(const TLangpack& lp, int set) {
    std::vector<std::tuple<uint16_t, int, std::vector<uint8_t>>> out;
    for (const Symbols& g : lp.glyphs(set)) out.emplace_back(g.Code, g.Width, g.Data);
    return out;
}

struct Recorder : SessionObserver {
    std::vector<std::string> messages;
    void statusMessage(const std::string& text) override { messages.push_back(text); }
};

TEST_F(SessionTest, EachMultiGlyphCommandIsOneStepOfTheLangpackHistory) {
    open(writeLangpack("lang.smg", TypicalLangpack()));
    Session& s = session();
    Recorder recorder;
    s.setObserver(&recorder);
    s.ChooseSet(1);
    const TLangpack original = lp();

    GlyphGeneration generation(s);
    CharacterRangesFeature ranges(s);
    struct Step {
        const char* name;
        std::function<void()> run;
    };
    const Step steps[] = {
        {"optimize", [&] { generation.OptimizeChosenSymbols(0, 94); }},
        {"add characters", [&] { ranges.AddRange("U+0400\u2013U+040F", 7); }},
        {"remove characters",
         [&] {
             ranges.RemoveSpan({0x20, 0x2F});
         }},
    };
    std::vector<TLangpack> after;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.run();
        after.push_back(lp());
        EXPECT_NE(Glyphs(after.back(), 1), Glyphs(after.size() > 1 ? after[after.size() - 2] : original, 1));
        // Set 3 is set 2's double and follows it.
        EXPECT_EQ(Glyphs(lp(), 2), Glyphs(lp(), 1));
        ASSERT_FALSE(recorder.messages.empty());
        EXPECT_NE(recorder.messages.back().find(" glyphs changed"), std::string::npos) << recorder.messages.back();
    }
    EXPECT_TRUE(s.glyphShown());

    // One keystroke each: every step back restores every glyph and interval of the sets.
    for (std::size_t i = after.size(); i-- > 0;) {
        LangpackUndo(s).Undo();
        const TLangpack& expected = i == 0 ? original : after[i - 1];
        for (int k : {1, 2}) {
            EXPECT_EQ(lp().SymbolTable[k].size(), expected.SymbolTable[k].size()) << i;
            EXPECT_EQ(lp().IntervalTable[k].size(), expected.IntervalTable[k].size()) << i;
        }
        EXPECT_EQ(Glyphs(lp(), 1), Glyphs(expected, 1)) << i;
    }
    EXPECT_FALSE(s.commandInputs().canUndoLangpack);
    LangpackUndo(s).Redo();
    LangpackUndo(s).Redo();
    EXPECT_EQ(lp().SymbolTable[1].size(), after[1].SymbolTable[1].size());
    EXPECT_TRUE(s.LangModified());

    // A glyph stored after a batch is a step of its own: undone before the batch, never dropped with it.
    const auto beforeStore = Glyphs(lp(), 1);
    s.StoreGlyph(1, 0, 9, std::vector<uint8_t>(lp().FontSetTable[1].Height * 2u, 0x00));
    const auto stored = Glyphs(lp(), 1);
    LangpackUndo(s).Undo();
    EXPECT_EQ(Glyphs(lp(), 1), beforeStore);
    LangpackUndo(s).Redo();
    EXPECT_EQ(Glyphs(lp(), 1), stored);

    // A refused change is no step and changes nothing.
    const std::size_t stepsBefore = s.langpackHistory().steps();
    const TLangpack now = lp();
    ranges.AddRange("U+0500\u2013U+0400", 6);
    EXPECT_EQ(s.langpackHistory().steps(), stepsBefore);
    EXPECT_EQ(lp().SymbolTable[1].size(), now.SymbolTable[1].size());
    EXPECT_NE(prompts.texts().back().find("reversed"), std::string::npos) << prompts.texts().back();
    s.setObserver(nullptr);
}

// A command that leaves its sets as they were is no step: no Undo that does
// nothing, and the step undone before it can still be redone.
TEST_F(SessionTest, ACommandThatChangesNothingIsNoStepOfTheLangpackHistory) {
    std::filesystem::create_directory(dir.root() / "files");
    // A copy, not a link: Wine makes no symbolic links for a Windows program.
    std::filesystem::copy_file(RUNECAST, dir.root() / "files" / std::filesystem::path(RUNECAST).filename());
    open(writeLangpack("lang.smg", TypicalLangpack()));
    Session& s = session();
    s.ChooseSet(1);
    GlyphGeneration generation(s);
    generation.ReplaceChosenSymbols(33, 40);
    generation.OptimizeChosenSymbols(0, 94);
    LangpackUndo(s).Undo();
    ASSERT_TRUE(s.commandInputs().canRedoLangpack);
    const TLangpack before = lp();
    const std::string undoLabel = s.langpackHistory().UndoLabel();
    const std::size_t steps = s.langpackHistory().steps();

    struct Case {
        const char* name;
        std::function<void()> run;
    };
    const Case cases[] = {
        {"the height the set has",
         [&] {
             prompts.sizes = {lp().FontSetTable[1].Height};
             GlyphSize(s).SetHeightCommand();
         }},
        {"a glyph stored as it is",
         [&] {
             const Symbols same = glyph(1, 5);
             s.StoreGlyph(1, 5, same.Width, same.Data);
         }},
        {"the same glyphs drawn again", [&] { generation.ReplaceChosenSymbols(33, 40); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.run();
        EXPECT_EQ(s.langpackHistory().steps(), steps);
        EXPECT_EQ(s.langpackHistory().UndoLabel(), undoLabel);
        EXPECT_TRUE(s.commandInputs().canRedoLangpack);
        EXPECT_EQ(Glyphs(lp(), 1), Glyphs(before, 1));
        EXPECT_EQ(lp().FontSetTable[1], before.FontSetTable[1]);
    }
}

// A command that leaves before it commits its step (an early return, an
// exception) still ends it: its change is one step that Undo takes back, and
// the next command gets a step of its own.
TEST_F(SessionTest, AStepLeftWithoutCommitIsEndedAndUndone) {
    open(writeLangpack("lang.smg", TypicalLangpack()));
    Session& s = session();
    const TLangpack before = lp();
    const std::size_t steps = s.langpackHistory().steps();
    try {
        const Session::LangpackStep step = s.beginStep("Left early", 1);
        s.StoreGlyph(1, 5, 3, std::vector<uint8_t>(lp().SymbolTable[1][5].Data.size(), 0x00));
        throw std::runtime_error("left early");
    } catch (const std::runtime_error&) {}
    EXPECT_EQ(s.langpackHistory().steps(), steps + 1);
    EXPECT_EQ(s.langpackHistory().UndoLabel(), "Left early");
    { const Session::LangpackStep nothing = s.beginStep("Changes nothing", 1); }
    EXPECT_EQ(s.langpackHistory().steps(), steps + 1);
    LangpackUndo(s).Undo();
    EXPECT_EQ(Glyphs(lp(), 1), Glyphs(before, 1));
}

}  // namespace
}  // namespace glyphora::testing

namespace glyphora::testing {
namespace {

// The codes of set `set` that carry the changed mark.
std::vector<uint16_t> MarkedCodes(Session& s, int set) {
    std::vector<uint16_t> codes;
    const auto& glyphs = s.langpack()->glyphs(set);
    for (int k = 0; k < static_cast<int>(glyphs.size()); ++k)
        if (s.changedGlyphs().glyphChanged(set, k)) codes.push_back(glyphs[static_cast<std::size_t>(k)].Code);
    return codes;
}

// Characters added before others move the glyphs after them to other
// indices: the marks stay with the glyphs, and only the new ones join them.
TEST_F(SessionTest, AddingCharactersMarksOnlyTheNewGlyphs) {
    open(writeLangpack("lang.smg", TypicalLangpack()));
    Session& s = session();
    s.ChooseSet(1);
    const Symbols stored = lp().glyphs(1)[100];  // U+0415, after the added run
    s.StoreGlyph(1, 100, stored.Width, std::vector<uint8_t>(stored.Data.size(), 0));

    CharacterRangesFeature(s).AddRange("U+0400\u2013U+0402, \u0451", 6);
    const std::vector<uint16_t> expected = {0x400, 0x401, 0x402, 0x415, 0x451};
    EXPECT_TRUE(s.changedGlyphs().setChanged(1));
    EXPECT_EQ(MarkedCodes(s, 1), expected);
    EXPECT_EQ(MarkedCodes(s, 2), expected);  // set 2's double
    EXPECT_TRUE(MarkedCodes(s, 0).empty());

    LangpackUndo(s).Undo();
    EXPECT_EQ(MarkedCodes(s, 1), std::vector<uint16_t>{0x415});
}

}  // namespace
}  // namespace glyphora::testing
