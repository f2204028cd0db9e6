#include <ReadOutcome.h>
#include "ByteOrder.h"
#include "LangpackBuilder.h"
#include "LangpackReader.h"
#include "ModelExpectations.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

using namespace fixtures;

LangpackSpec OneSet(SetSpec set) {
    LangpackSpec spec;
    spec.Languages = {{0x01, 0, 0}};
    spec.Sets = {std::move(set)};
    return spec;
}

TEST(ReadIntervals, CodesAndIntervalNumbersComeFromTheIntervals) {
    const LangpackSpec spec = OneSet(PatternSet(12, {{0x20, 0x7E}, {0x410, 0x44F}}, {8}, 1));
    const ReadOutcome r = Outcome(ReadLangpack(BuildLangpack(spec).Bytes));
    ASSERT_EQ(r.status, ReadStatus::Ok) << r.message;
    const TLangpack& lp = r.langpack;
    EXPECT_EQ(lp.FontSetTable[0].SymbolCount, 159);
    EXPECT_EQ(lp.SymbolTable[0][95].Code, 0x410);
    EXPECT_EQ(lp.SymbolTable[0][95].Interval, 1u);
    EXPECT_EQ(lp.SymbolTable[0][94].Code, 0x7E);
    EXPECT_EQ(lp.SymbolTable[0][94].Interval, 0u);
    testing_support::ExpectModelMatchesSpec(lp, spec);
}

TEST(ReadIntervals, IntervalZeroWithoutCodesIsNotInUse) {
    SetSpec set = PatternSet(6, {{0x41, 0x44}}, {5}, 3, false);
    set.Interval0 = {0, 0, 0x77, 0x55};  // index and base are carried, not used
    const ReadOutcome r = Outcome(ReadLangpack(BuildLangpack(OneSet(set)).Bytes));
    ASSERT_EQ(r.status, ReadStatus::Ok) << r.message;
    EXPECT_EQ(r.langpack.FontSetTable[0].SymbolCount, 4);
    EXPECT_EQ(r.langpack.IntervalTable[0][0].FirstIndex, 0x77);
    EXPECT_EQ(r.langpack.IntervalTable[0][0].DataBase, 0x55);
}

TEST(ReadIntervals, DescriptorWordGivesOffsetAndWidth) {
    struct Case {
        uint16_t word;
        uint8_t width;
        uint16_t offset;
        std::size_t bytes;  // at height 12
    };
    const Case cases[] = {
        {0x0128, 8, 0x12, 12},
        {0x0129, 9, 0x12, 24},
        {0x0120, 0, 0x12, 12},  // width 0 still has one byte per row
        {0xFFFF, 15, 0xFFF, 24},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        // One glyph; the descriptor is patched and the data block made large
        // enough for any offset it may name.
        SetSpec set = PatternSet(12, {{0x41, 0x41}}, {8}, 1);
        set.Glyphs[0].Rows.resize(0x1000 + 24, 0x81);
        BuiltLangpack built = BuildLangpack(OneSet(set));
        StoreBE16(built.Bytes.data() + built.Sets[0].DescriptorTableOffset, c.word);
        const ReadOutcome r = Outcome(ReadLangpack(built.Bytes));
        ASSERT_EQ(r.status, ReadStatus::Ok) << r.message;
        const Symbols& g = r.langpack.SymbolTable[0][0];
        EXPECT_EQ(g.Width, c.width);
        EXPECT_EQ(g.Offset, c.offset);
        EXPECT_EQ(g.Data.size(), c.bytes);
        EXPECT_EQ(g.Data[0], 0x7E);  // file row 0x81, inverted
    }
}

TEST(ReadIntervals, OddLayoutsThatValidFilesMayHave) {
    struct Case {
        const char* name;
        uint32_t gap;
        uint16_t lead;
        TSetTableForm form;
    };
    const Case cases[] = {
        {"gaps between tables", 7, 0, TSetTableForm::Framed},
        {"first glyph's interval with a non-zero DataBase", 0, 33, TSetTableForm::Framed},
        {"both, packed", 3, 5, TSetTableForm::Packed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LangpackSpec spec = TypicalLangpack();
        spec.Form = c.form;
        spec.GapBetweenTables = c.gap;
        for (SetSpec& set : spec.Sets) set.DataLead = c.lead;
        const ReadOutcome r = Outcome(ReadLangpack(BuildLangpack(spec).Bytes));
        ASSERT_EQ(r.status, ReadStatus::Ok) << r.message;
        testing_support::ExpectModelMatchesSpec(r.langpack, spec);
        if (c.lead) {
            EXPECT_EQ(r.langpack.IntervalTable[1][0].DataBase, c.lead);
        }
    }
}

TEST(ReadIntervals, GlyphsMaySharebytes) {
    // Two descriptors naming the same bytes: a file may do that, nothing breaks.
    LangpackSpec spec = OneSet(PatternSet(4, {{0x41, 0x42}}, {8}, 9));
    BuiltLangpack built = BuildLangpack(spec);
    StoreBE16(built.Bytes.data() + built.Sets[0].DescriptorTableOffset + 2, 0x0008);
    const ReadOutcome r = Outcome(ReadLangpack(built.Bytes));
    ASSERT_EQ(r.status, ReadStatus::Ok) << r.message;
    EXPECT_EQ(r.langpack.SymbolTable[0][1].Data, r.langpack.SymbolTable[0][0].Data);
}

TEST(ReadLangpack, LargeFixtureReadsAsDescribed) {
    const LangpackSpec spec = LargeLangpack();
    const ReadOutcome r = Outcome(ReadLangpack(BuildLangpack(spec).Bytes));
    ASSERT_EQ(r.status, ReadStatus::Ok) << r.message;
    testing_support::ExpectModelMatchesSpec(r.langpack, spec);
    EXPECT_TRUE(r.langpack.Set7SharesSet2);
}

}  // namespace
}  // namespace glyphora
