// Glyphs copied from another langpack or pasted from the clipboard, each as
// one step of the langpack history, and the comparison's marks following the
// edits of the open langpack.
#include "SessionFixture.h"

#include <CharacterRangesFeature.h>
#include <GlyphClipboard.h>
#include <LangpackComparison.h>
#include <LangpackCopy.h>
#include <LangpackUndo.h>
#include <OtherLangpack.h>

#include <functional>

namespace glyphora::testing {
namespace {

using fixtures::RepaintedTypicalLangpack;
using fixtures::TypicalLangpack;

struct Tally {
    int changed, added, cut, left, glyphs;  // left: pasted glyphs past the set's end
};

// Set 1 (8 rows, U+0020-U+007E) takes glyphs of the repainted set 2 (12 rows,
// with U+0410-U+044F); Undo gives the set back.
TEST_F(SessionTest, ACopyOrAPasteOfGlyphsIsOneStepThatUndoTakesBack) {
    const Result<OtherLangpack> other = ReadOtherLangpack(writeLangpack("other.smg", RepaintedTypicalLangpack()));
    ASSERT_TRUE(other) << other.error().message;
    open(writeLangpack("lang.smg", TypicalLangpack()));
    Session& s = session();
    const auto copy = [&](CodeSpan range, bool addMissing) {
        CopyOptions options;
        options.sourceSet = 1;
        options.range = range;
        options.addMissing = addMissing;
        const Result<CopyPreview> done = LangpackCopy(s).Apply(other->langpack, options);
        EXPECT_TRUE(done) << done.error().message;
        return done ? Tally{done->changing(), done->added, done->inkCut(), 0, 0} : Tally{};
    };
    const struct {
        const char* name;
        std::function<Tally()> run;
        Tally expected;
    } cases[] = {
        {"codes both have",
         [&] {
             return copy({0x20, 0x7E}, false);
         },
         {95, 0, 91, 0, 95}},
        {"codes added",
         [&] {
             return copy({0x400, 0x4FF}, true);
         },
         {64, 64, 58, 0, 159}},
        {"pasted at the end",
         [&] {
             const GlyphClipboard::Pasted p =
                 GlyphClipboard(s).PasteClip(ClipOfGlyphs(other->langpack, 1, {1, 2, 3, 4, 5, 6, 7}), 90);
             return Tally{p.stored, 0, p.inkCut, p.noRoom, 0};
         },
         {5, 0, 5, 2, 95}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(s.ChooseSet(0));
        const std::vector<std::vector<Symbols>> before = lp().SymbolTable;
        Tally got = c.run();
        got.glyphs = c.expected.glyphs ? static_cast<int>(lp().glyphs(0).size()) : 0;
        EXPECT_EQ(std::tie(got.changed, got.added, got.cut, got.left, got.glyphs),
                  std::tie(c.expected.changed, c.expected.added, c.expected.cut, c.expected.left, c.expected.glyphs));
        ASSERT_TRUE(s.langpackHistory().CanUndo());
        LangpackUndo(s).Undo();
        EXPECT_EQ(lp().SymbolTable, before);
    }
}

TEST_F(SessionTest, TheComparisonMarksFollowTheEditsAndGoWhenClosed) {
    const std::string path = writeLangpack("lang.smg", TypicalLangpack());
    open(path);
    Session& s = session();
    LangpackComparison comparison(s);
    s.setObserver(&comparison);
    Result<OtherLangpack> same = ReadOtherLangpack(path);
    ASSERT_TRUE(same);
    comparison.open(std::move(*same));
    EXPECT_EQ(comparison.next(0, 0), std::nullopt);

    Symbols g = glyph(0, 5);
    s.StoreGlyph(0, 5, static_cast<uint8_t>(g.Width + 1), g.Data);
    EXPECT_TRUE(comparison.glyphDiffers(0, 5));
    EXPECT_TRUE(comparison.setDiffers(0));
    EXPECT_FALSE(comparison.setDiffers(3));
    EXPECT_EQ(comparison.next(0, 5), std::pair(0, 5));  // round again to itself
    EXPECT_EQ(comparison.next(3, 0), std::pair(0, 5));
    s.StoreGlyph(0, 5, g.Width, g.Data);
    EXPECT_EQ(comparison.summary().differing, 0);

    ASSERT_TRUE(s.ChooseSet(3));  // digits: a code the other lacks
    ASSERT_TRUE(CharacterRangesFeature(s).AddSpan({0x41, 0x41}, 6));
    EXPECT_EQ(comparison.summary().onlyHere, 1);
    EXPECT_EQ(comparison.next(0, 0), std::pair(3, 10));
    comparison.close();
    EXPECT_FALSE(comparison.glyphDiffers(3, 10));
    EXPECT_FALSE(comparison.setDiffers(3));
}

}  // namespace
}  // namespace glyphora::testing
