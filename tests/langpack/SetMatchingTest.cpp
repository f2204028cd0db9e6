// Two sets matched by code, rows brought to another height, and the lines of
// a diff of two langpacks. Rows are in memory form: 0x7F is ink in column 0.
#include "LangpackDiff.h"
#include "SetMatching.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

struct G {
    uint16_t code;
    uint8_t width;
    std::vector<uint8_t> rows;
};

TLangpack WithSets(const std::vector<std::pair<uint16_t, std::vector<G>>>& sets) {
    TLangpack lp;
    for (const auto& [height, glyphs] : sets) {
        TFontSetEntry entry;
        entry.Height = height;
        lp.FontSetTable.push_back(entry);
        lp.SymbolTable.emplace_back();
        for (const G& g : glyphs) lp.SymbolTable.back().push_back({g.code, g.width, 0, 0, g.rows});
    }
    return lp;
}

TEST(SetMatching, CodesBothSidesHaveAndHowTheirGlyphsDiffer) {
    const TLangpack source = WithSets({{2,
                                        {{0x41, 3, {0x7F, 0xFF}},
                                         {0x42, 3, {0x7F, 0xFF}},
                                         {0x43, 3, {0x7F, 0xFF}},
                                         {0x45, 3, {0x7F, 0xFE}},
                                         {0x46, 3, {0x7F, 0xFF}},
                                         {0x41, 3, {0x00, 0x00}}}}});  // a second 0x41: the first counts
    const TLangpack target = WithSets({{2,
                                        {{0x40, 3, {0xFF, 0xFF}},
                                         {0x41, 3, {0x7F, 0xFF}},
                                         {0x42, 4, {0x7F, 0xFF}},
                                         {0x43, 3, {0xBF, 0xFF}},
                                         {0x45, 3, {0x7F, 0xFF}}}},
                                       {3, {{0x46, 3, {0x7F, 0xFF, 0xFF}}}}});
    struct Case {
        int targetSet;
        std::optional<CodeSpan> range;
        std::vector<std::pair<uint16_t, unsigned>> both;
        std::vector<uint16_t> onlySource, onlyTarget;
    } cases[] = {
        {0,
         {},
         {{0x41, kSameGlyph}, {0x42, kWidthDiffers}, {0x43, kInkDiffers}, {0x45, kSpareBitsDiffer}},
         {0x46},
         {0x40}},
        {0, CodeSpan{0x42, 0x44}, {{0x42, kWidthDiffers}, {0x43, kInkDiffers}}, {}, {}},
        // A taller set's extra paper row is no difference of ink.
        {1, CodeSpan{0x46, 0x46}, {{0x46, kSameGlyph}}, {}, {}},
        {7, {}, {}, {0x41, 0x42, 0x43, 0x45, 0x46}, {}},  // a set the target lacks
    };
    for (const Case& c : cases) {
        const SetMatch m = MatchSets(source, 0, target, c.targetSet, c.range);
        std::vector<std::pair<uint16_t, unsigned>> both;
        for (const CodeMatch& b : m.both) both.emplace_back(b.code, b.differences);
        EXPECT_EQ(both, c.both) << "target set " << c.targetSet;
        EXPECT_EQ(m.onlySource, c.onlySource) << "target set " << c.targetSet;
        EXPECT_EQ(m.onlyTarget, c.onlyTarget) << "target set " << c.targetSet;
    }
    const SetMatch all = MatchSets(source, 0, target, 0);
    EXPECT_EQ(all.both[0].sourceIndex, 0);
    EXPECT_EQ(all.both[0].targetIndex, 1);
    EXPECT_EQ(all.differing(), 3);
}

TEST(SetMatching, RowsAlignedAtTheTopOrOnTheBaselines) {
    const std::vector<uint8_t> glyph = {0x7F, 0xFF, 0xBF};  // width 3, ink in rows 0 and 2
    struct Case {
        const char* name;
        std::vector<uint8_t> rows;
        int from, to;
        std::optional<int> fromBaseline, toBaseline;
        std::vector<uint8_t> after;
        bool inkCut;
    } cases[] = {
        {"shorter: cut at the bottom", glyph, 3, 2, {}, {}, {0x7F, 0xFF}, true},
        {"taller: paper at the bottom", glyph, 3, 4, {}, {}, {0x7F, 0xFF, 0xBF, 0xFF}, false},
        {"one baseline only: top", glyph, 3, 4, 1, {}, {0x7F, 0xFF, 0xBF, 0xFF}, false},
        {"baseline lower by one", glyph, 3, 3, 1, 2, {0xFF, 0x7F, 0xFF}, true},
        {"baseline higher by one", glyph, 3, 3, 1, 0, {0xFF, 0xBF, 0xFF}, true},
        {"taller on the baselines", glyph, 3, 5, 2, 3, {0xFF, 0x7F, 0xFF, 0xBF, 0xFF}, false},
        {"a cut row with ink only beyond the width", {0x7F, 0xFE}, 2, 1, {}, {}, {0x7F}, false},
        {"two bytes a row", {0x7F, 0xFE, 0xFF, 0xFF}, 2, 1, {}, {}, {0x7F, 0xFE}, false},
    };
    for (const Case& c : cases) {
        const int width = c.rows.size() == 4 ? 9 : 3;
        const AlignedRows out = AlignRows(c.rows, width, c.from, c.to, c.fromBaseline, c.toBaseline);
        EXPECT_EQ(out.rows, c.after) << c.name;
        EXPECT_EQ(out.inkCut, c.inkCut) << c.name;
    }
}

TEST(LangpackDiff, OneLineForEachDifferenceAndNoneForEqualLangpacks) {
    const TLangpack a = WithSets({{2, {{0x41, 3, {0x7F, 0xFF}}, {0x416, 3, {0x7F, 0xFF}}}}, {2, {}}, {4, {}}});
    const TLangpack b = WithSets({{2, {{0x416, 5, {0xBF, 0xFF}}, {0x417, 3, {0x7F, 0xFF}}}}, {3, {}}});
    EXPECT_EQ(DiffLines(DiffLangpacks(a, b)), (std::vector<std::string>{
                                                  "set 1 U+0041: only in A",
                                                  "set 1 U+0416: width 3 -> 5, ink",
                                                  "set 1 U+0417: only in B",
                                                  "set 2: height 2 -> 3",
                                                  "set 3: only in A",
                                              }));
    EXPECT_EQ(DiffLines(DiffLangpacks(a, b, 1)), (std::vector<std::string>{"set 2: height 2 -> 3"}));
    EXPECT_TRUE(DiffLangpacks(a, a).same());
}

}  // namespace
}  // namespace glyphora
