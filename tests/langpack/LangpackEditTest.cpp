#include <ReadOutcome.h>
#include "GlyphCoding.h"
#include "LangpackBuilder.h"
#include "LangpackEdit.h"
#include "LangpackReader.h"
#include "LangpackWriter.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace glyphora {
namespace {

using namespace fixtures;

TLangpack TenHighSet() {
    LangpackSpec spec;
    spec.Languages = {{0x01, 0, 0}};
    spec.Sets = {PatternSet(10, {{0x41, 0x44}}, {6, 12}, 5)};
    ReadOutcome r = Outcome(ReadLangpack(BuildLangpack(spec).Bytes));
    EXPECT_EQ(r.status, ReadStatus::Ok) << r.message;
    return std::move(r.langpack);
}

TEST(ResizeSets, TallerAddsEmptyRowsShorterDropsTheBottom) {
    TLangpack lp = TenHighSet();
    const std::vector<Symbols> before = lp.SymbolTable[0];

    lp.FontSetTable[0].Height = 12;
    ResizeSets(lp, 0, 10);
    for (std::size_t s = 0; s < before.size(); ++s) {
        const std::size_t row = before[s].Width > 8 ? 2 : 1;
        const std::vector<uint8_t>& data = lp.SymbolTable[0][s].Data;
        ASSERT_EQ(data.size(), 12 * row) << s;
        EXPECT_TRUE(std::equal(before[s].Data.begin(), before[s].Data.end(), data.begin())) << s;
        EXPECT_TRUE(std::all_of(data.begin() + static_cast<std::ptrdiff_t>(10 * row), data.end(),
                                [](uint8_t b) { return b == 0xFF; }));
    }

    lp.FontSetTable[0].Height = 10;
    ResizeSets(lp, 0, 12);
    for (std::size_t s = 0; s < before.size(); ++s) EXPECT_EQ(lp.SymbolTable[0][s].Data, before[s].Data) << s;
}

TEST(ResizeSets, RowsMissingFromAShortGlyphBecomeEmptyNotInk) {
    TLangpack lp = TenHighSet();
    lp.SymbolTable[0][0].Data.resize(3);  // shorter than its 10 rows
    lp.FontSetTable[0].Height = 12;
    ResizeSets(lp, 0, 10);
    const std::vector<uint8_t>& data = lp.SymbolTable[0][0].Data;
    ASSERT_EQ(data.size(), 12u);
    EXPECT_TRUE(std::all_of(data.begin() + 3, data.end(), [](uint8_t b) { return b == 0xFF; }));
}

// Seven sets; set 3 is set 2's double, and set 7 too when set7Shares.
TLangpack SevenSets(bool set7Shares) {
    LangpackSpec spec;
    spec.Languages = {{0x01, 0, 0}};
    for (uint32_t k = 0; k < 7; ++k)
        spec.Sets.push_back(PatternSet(static_cast<uint16_t>(8 + k), {{0x41, 0x46}}, {5, 10}, 10 * k));
    spec.Sets[2] = MirrorOf(spec.Sets[1], 1);
    if (set7Shares) spec.Sets[6] = MirrorOf(spec.Sets[1], 1);
    ReadOutcome r = Outcome(ReadLangpack(BuildLangpack(spec).Bytes));
    EXPECT_EQ(r.status, ReadStatus::Ok) << r.message;
    EXPECT_EQ(r.langpack.Set7SharesSet2, set7Shares);
    return std::move(r.langpack);
}

struct GroupCase {
    const char* name;
    bool set7Shares;
    int edited;
    std::vector<int> group;
};

const GroupCase kGroupCases[] = {
    {"set 3 edits set 2 and set 7", true, 2, {1, 2, 6}},
    {"set 2 edits its copies", true, 1, {1, 2, 6}},
    {"set 7 sharing edits sets 2 and 3", true, 6, {1, 2, 6}},
    {"set 7 of its own stays alone", false, 6, {6}},
    {"set 3 without a sharing set 7", false, 2, {1, 2}},
    {"set 1 stays alone", true, 0, {0}},
    {"set 4 stays alone", true, 3, {3}},
};

TEST(StoreGlyph, ReachesEverySetSavedWithTheEditedOne) {
    for (const GroupCase& c : kGroupCases) {
        SCOPED_TRACE(c.name);
        TLangpack lp = SevenSets(c.set7Shares);
        const TLangpack before = lp;
        EXPECT_EQ(ShareGroup(lp, c.edited), c.group);

        const std::vector<uint8_t> rows(2 * lp.FontSetTable[static_cast<std::size_t>(c.edited)].Height, 0x0F);
        EXPECT_EQ(StoreGlyph(lp, c.edited, 3, 9, rows), c.group);
        for (std::size_t k = 0; k < lp.SymbolTable.size(); ++k) {
            const bool inGroup = std::find(c.group.begin(), c.group.end(), static_cast<int>(k)) != c.group.end();
            for (std::size_t s = 0; s < lp.SymbolTable[k].size(); ++s) {
                const Symbols& g = lp.SymbolTable[k][s];
                if (inGroup && s == 3) {
                    EXPECT_EQ(g.Width, 9) << "set " << k + 1;
                    EXPECT_EQ(g.Data, rows) << "set " << k + 1;
                } else {
                    EXPECT_EQ(g.Width, before.SymbolTable[k][s].Width) << "set " << k + 1 << " glyph " << s;
                    EXPECT_EQ(g.Data, before.SymbolTable[k][s].Data) << "set " << k + 1 << " glyph " << s;
                }
            }
        }
    }
}

TEST(StoreGlyph, NothingOutsideTheLangpack) {
    TLangpack lp = SevenSets(true);
    const std::vector<uint8_t> rows(9, 0x00);
    EXPECT_TRUE(StoreGlyph(lp, 7, 0, 5, rows).empty());
    EXPECT_TRUE(StoreGlyph(lp, -1, 0, 5, rows).empty());
    EXPECT_TRUE(StoreGlyph(lp, 1, -1, 5, rows).empty());
    EXPECT_TRUE(StoreGlyph(lp, 1, static_cast<int>(lp.SymbolTable[1].size()), 5, rows).empty());
    EXPECT_TRUE(ShareGroup(lp, 7).empty());
}

TEST(SetSetHeight, ResizesEverySetSavedWithTheEditedOne) {
    for (const GroupCase& c : kGroupCases) {
        SCOPED_TRACE(c.name);
        TLangpack lp = SevenSets(c.set7Shares);
        const TLangpack before = lp;
        EXPECT_EQ(SetSetHeight(lp, c.edited, 20), c.group);
        for (std::size_t k = 0; k < lp.FontSetTable.size(); ++k) {
            const bool inGroup = std::find(c.group.begin(), c.group.end(), static_cast<int>(k)) != c.group.end();
            const uint16_t oldHeight = before.FontSetTable[k].Height;
            EXPECT_EQ(lp.FontSetTable[k].Height, inGroup ? 20 : oldHeight) << "set " << k + 1;
            for (std::size_t s = 0; s < lp.SymbolTable[k].size(); ++s) {
                const Symbols& g = lp.SymbolTable[k][s];
                std::vector<uint8_t> expected = before.SymbolTable[k][s].Data;
                if (inGroup) expected.resize(GlyphDataSize(g.Width, 20), 0xFF);
                EXPECT_EQ(g.Data, expected) << "set " << k + 1 << " glyph " << s;
            }
        }
    }
}

// The edit of a copy of set 2 survives the save that rewrites it from set 2.
TEST(StoreGlyph, EditOfSet3SurvivesTheSave) {
    LangpackSpec spec = TypicalLangpack();
    const std::vector<uint8_t> bytes = BuildLangpack(spec).Bytes;
    TLangpack lp = Outcome(ReadLangpack(bytes)).langpack;
    ASSERT_EQ(lp.SetCount(), 4);
    SetSetHeight(lp, 2, 13);
    const std::vector<uint8_t> rows(13, 0x5B);  // paper right of the 6 pixels
    StoreGlyph(lp, 2, 7, 6, rows);

    const SaveOutcome saved = Outcome(BuildSavedImage(lp, bytes));
    ASSERT_TRUE(saved.ok) << saved.message;
    const ReadOutcome back = Outcome(ReadLangpack(saved.image));
    ASSERT_EQ(back.status, ReadStatus::Ok) << back.message;
    for (std::size_t k : {1u, 2u}) {
        EXPECT_EQ(back.langpack.FontSetTable[k].Height, 13) << "set " << k + 1;
        EXPECT_EQ(back.langpack.SymbolTable[k][7].Width, 6) << "set " << k + 1;
        EXPECT_EQ(back.langpack.SymbolTable[k][7].Data, rows) << "set " << k + 1;
    }
}

}  // namespace
}  // namespace glyphora
