// A transform of the glyphs chosen in the grid is one step of the langpack
// history: the copies of set 2 follow, ink dropped is told, Undo gives it all back.
#include "SessionFixture.h"

#include <GlyphTransforming.h>
#include <LangpackUndo.h>

namespace glyphora::testing {
namespace {

TEST_F(SessionTest, AMultiGlyphTransformIsOneLangpackStep) {
    open(writeLangpack("lang.smg", fixtures::TypicalLangpack()));
    Session& s = session();
    s.ChooseSet(1);
    s.ChooseSymbol(40);
    const TLangpack original = lp();
    const std::size_t steps = s.langpackHistory().steps();

    GlyphTransforming(s).TransformChosen(GlyphTransform::Invert, 30, 50, std::nullopt);
    EXPECT_EQ(s.langpackHistory().steps(), steps + 1);
    for (int g : {30, 40, 50}) {
        EXPECT_NE(glyph(1, g).Data, original.SymbolTable[1][g].Data) << g;
        EXPECT_EQ(glyph(2, g).Data, glyph(1, g).Data) << g;  // set 3 is set 2's copy
    }
    EXPECT_EQ(glyph(1, 51).Data, original.SymbolTable[1][51].Data);
    // The canvas shows the working glyph as it is stored now.
    EXPECT_EQ(s.editor().SaveImage(s.setHeight(1)), glyph(1, 40).Data);

    // Inverted glyphs are ink to the edge: leaning them drops ink, which is told.
    GlyphTransforming(s).TransformChosen(GlyphTransform::Oblique, 30, 31, std::nullopt);
    ASSERT_FALSE(prompts.texts().empty());
    EXPECT_EQ(prompts.texts().back().rfind("Oblique: ink left 2 glyphs and was dropped: ", 0), 0u)
        << prompts.texts().back();

    LangpackUndo(s).Undo();
    LangpackUndo(s).Undo();
    for (int k : {1, 2})
        for (std::size_t g = 0; g < original.SymbolTable[k].size(); ++g) {
            EXPECT_EQ(lp().SymbolTable[k][g].Data, original.SymbolTable[k][g].Data) << k << " " << g;
            EXPECT_EQ(lp().SymbolTable[k][g].Width, original.SymbolTable[k][g].Width) << k << " " << g;
        }
}

}  // namespace
}  // namespace glyphora::testing
