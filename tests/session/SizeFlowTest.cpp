// The size commands through the session: the working glyph's width, a set's
// height, and sets 2 and 3 that the file saves as one.
#include <GlyphSize.h>
#include "SessionFixture.h"

namespace glyphora::testing {
namespace {

using fixtures::TypicalLangpack;

class SizeFlowTest : public SessionTest {
protected:
    void SetUp() override {
        file_ = writeLangpack("lang.smg", TypicalLangpack());
        open(file_);
    }
    std::string file_;
};

TEST_F(SizeFlowTest, WidthCommandsResizeTheWorkingGlyph) {
    Session& s = session();
    const int width = s.editor().GlyphWidth();
    s.editor().IncreaseWidth();
    EXPECT_TRUE(enabled(Command::SaveImage));
    EXPECT_TRUE(s.LangModified());
    s.editor().DecreaseWidth();
    s.editor().DecreaseWidth();
    EXPECT_EQ(s.editor().GlyphWidth(), width - 1);

    prompts.sizes = {20};
    GlyphSize(s).SetWidthCommand();
    EXPECT_EQ(s.editor().GlyphWidth(), 15);
    s.SaveImageCommand();
    EXPECT_EQ(glyph(0, 0).Width, 15);
}

TEST_F(SizeFlowTest, SetHeightResizesEveryGlyphOfTheSet) {
    Session& s = session();
    s.ChooseSet(1);
    prompts.sizes = {14};
    GlyphSize(s).SetHeightCommand();
    EXPECT_EQ(lp().FontSetTable[1].Height, 14);
    EXPECT_EQ(s.editor().GlyphHeight(), 14);
    for (const Symbols& g : lp().SymbolTable[1])
        ASSERT_EQ(g.Data.size(), static_cast<std::size_t>(14 * BytesPerRow(g.Width)));
    EXPECT_TRUE(s.LangModified());
    EXPECT_FALSE(s.editor().ImageModified());
}

// Set 3 is saved from set 2: a height and a glyph edited in set 3 reach both.
TEST_F(SizeFlowTest, EditsOfSet3SurviveTheSaveInSets2And3) {
    Session& s = session();
    s.ChooseSet(2);
    prompts.sizes = {13};
    GlyphSize(s).SetHeightCommand();
    EXPECT_EQ(lp().FontSetTable[1].Height, 13);
    EXPECT_EQ(lp().FontSetTable[2].Height, 13);
    EXPECT_EQ(lp().FontSetTable[3].Height, 10);

    s.ChooseSymbol(4);
    drawPixel();
    s.SaveImageCommand();
    const std::vector<uint8_t> edited = glyph(2, 4).Data;
    EXPECT_TRUE(s.SaveLang());
    EXPECT_TRUE(prompts.shown.empty()) << prompts.texts().size();

    open(file_);
    for (int k : {1, 2}) {
        EXPECT_EQ(lp().FontSetTable[static_cast<std::size_t>(k)].Height, 13) << "set " << k + 1;
        EXPECT_EQ(glyph(k, 4).Data, edited) << "set " << k + 1;
    }
}

TEST_F(SizeFlowTest, SetHeightCancelledAtTheGlyphQuestionAsksNoSize) {
    drawPixel();
    prompts.answers = {Answer::Cancel};
    GlyphSize(session()).SetHeightCommand();  // a size question would fail the test
    EXPECT_EQ(prompts.texts(), std::vector<std::string>{"Save the current symbol?"});
    EXPECT_EQ(lp().FontSetTable[0].Height, 8);
}

}  // namespace
}  // namespace glyphora::testing
