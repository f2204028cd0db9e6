#include <ReadOutcome.h>
#include "LangpackBuilder.h"
#include "LangpackReader.h"
#include "ModelExpectations.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

using namespace fixtures;
using Bytes = std::vector<uint8_t>;

LangpackSpec SmallSpec(TSetTableForm form, std::size_t sets) {
    LangpackSpec spec;
    spec.Languages = {{0x01, 0, 0}};
    spec.Form = form;
    for (std::size_t k = 0; k < sets; ++k)
        spec.Sets.push_back(
            PatternSet(static_cast<uint16_t>(8 + k), {{0x30, 0x39}}, {6, 9}, static_cast<uint32_t>(k * 50)));
    return spec;
}

// Every way a set table can end, and what is kept after it.
TEST(ReadSet, EveryTableEnding) {
    const auto F = TSetTableForm::Framed;
    const auto P = TSetTableForm::Packed;
    struct Case {
        const char* name;
        TSetTableForm form;
        SetTableEnd end;
        Bytes after;
        Bytes tail;
        bool atEnd;
    };
    const Case cases[] = {
        {"Framed FF FF and four more bytes", F, SetTableEnd::Marker, {1, 2, 3, 4}, {0xFF, 0xFF, 1, 2, 3, 4}, false},
        {"Framed FF FF and more than four",
         F,
         SetTableEnd::Marker,
         {1, 2, 3, 4, 5, 6},
         {0xFF, 0xFF, 1, 2, 3, 4},
         false},
        {"Framed FF FF at the end of the file", F, SetTableEnd::Marker, {}, {0xFF, 0xFF}, true},
        {"Framed FF FF and two bytes", F, SetTableEnd::Marker, {7, 8}, {0xFF, 0xFF, 7, 8}, true},
        {"Framed, file ends after the last frame", F, SetTableEnd::None, {}, {}, true},
        {"Framed, one byte after the last frame", F, SetTableEnd::None, {0x42}, {0x42}, true},
        {"Framed, a leading zero word and the end", F, SetTableEnd::None, {0, 0}, {0, 0}, true},
        {"Framed 00 01", F, SetTableEnd::Word0001, {9, 9, 9, 9, 9}, {0, 0, 0, 1}, false},
        {"Framed 00 01 at the end of the file", F, SetTableEnd::Word0001, {}, {0, 0, 0, 1}, false},
        {"Packed 00 00 and four more bytes", P, SetTableEnd::Marker, {1, 2, 3, 4}, {0, 0, 1, 2, 3, 4}, false},
        {"Packed 00 00 and three bytes", P, SetTableEnd::Marker, {1, 2, 3}, {0, 0, 1, 2, 3}, true},
        {"Packed 00 00 at the end of the file", P, SetTableEnd::Marker, {}, {0, 0}, true},
        {"Packed 00 01", P, SetTableEnd::Word0001, {5, 6, 7, 8}, {0, 0, 0, 1}, false},
        // No end word at all: read as if it ended with 00 00, which a save writes.
        {"Packed without an end word", P, SetTableEnd::None, {}, {0, 0}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LangpackSpec spec = SmallSpec(c.form, 2);
        spec.End = c.end;
        spec.AfterEnd = c.after;
        const ReadOutcome r = Outcome(ReadLangpack(BuildLangpack(spec).Bytes));
        ASSERT_EQ(r.status, ReadStatus::Ok) << r.message;
        EXPECT_EQ(r.langpack.SetTableForm, c.form);
        EXPECT_EQ(r.langpack.SetCount(), 2);
        EXPECT_EQ(r.langpack.SetTableTail, c.tail);
        EXPECT_EQ(r.langpack.SetTableAtEnd, c.atEnd);
        testing_support::ExpectModelMatchesSpec(r.langpack, spec);
    }
}

TEST(ReadSet, TablesWithoutSets) {
    struct Case {
        const char* name;
        Bytes table;  // from the set table's address to the end of the file
        TSetTableForm form;
        Bytes tail;
        bool atEnd;
    };
    const Case cases[] = {
        {"Packed, first word 00 01", {0x00, 0x01, 0xAA, 0xBB}, TSetTableForm::Packed, {0, 0, 0, 1}, false},
        {"Framed, first record 00 01", {0x00, 0x00, 0x00, 0x01}, TSetTableForm::Framed, {0, 0, 0, 1}, false},
        {"Framed, only the leading word", {0x00, 0x00}, TSetTableForm::Framed, {0, 0}, true},
        {"Packed, one word and the end", {0x12, 0x34}, TSetTableForm::Packed, {0, 0}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LangpackSpec spec = SmallSpec(TSetTableForm::Framed, 0);
        spec.End = SetTableEnd::None;
        BuiltLangpack built = BuildLangpack(spec);
        built.Bytes.resize(built.SetTableOffset);
        built.Bytes.insert(built.Bytes.end(), c.table.begin(), c.table.end());
        const ReadOutcome r = Outcome(ReadLangpack(built.Bytes));
        ASSERT_EQ(r.status, ReadStatus::Ok) << r.message;
        EXPECT_EQ(r.langpack.SetCount(), 0);
        EXPECT_EQ(r.langpack.SetTableForm, c.form);
        EXPECT_EQ(r.langpack.SetTableTail, c.tail);
        EXPECT_EQ(r.langpack.SetTableAtEnd, c.atEnd);
    }
}

TEST(ReadSet, FramedRecordWithDataOffsetZeroIsASet) {
    // One set without intervals and glyphs: all its offsets are 0, so its
    // record starts with the word 00 00 right after the leading zero word.
    LangpackSpec spec = SmallSpec(TSetTableForm::Framed, 0);
    spec.Sets.push_back(SetSpec{});
    spec.Sets.push_back(SetSpec{});
    const BuiltLangpack built = BuildLangpack(spec);
    ASSERT_EQ(built.Bytes[built.Sets[0].RecordOffset], 0);
    ASSERT_EQ(built.Bytes[built.Sets[0].RecordOffset + 1], 0);
    const ReadOutcome r = Outcome(ReadLangpack(built.Bytes));
    ASSERT_EQ(r.status, ReadStatus::Ok) << r.message;
    EXPECT_EQ(r.langpack.SetCount(), 2);
    EXPECT_EQ(r.langpack.FontSetTable[0].DataOffset, 0);
}

// Only the pair 0000 FFFF ends a Framed table; any other frame goes on.
TEST(ReadSet, FramedTableGoesOnUnlessTheFrameEndsWithFFFF) {
    LangpackSpec spec = SmallSpec(TSetTableForm::Framed, 2);
    BuiltLangpack built = BuildLangpack(spec);
    // Set 1's trailing word becomes 12 34; the next word stays set 2's leading 00 00.
    const std::size_t trailing = built.Sets[0].RecordOffset + 24;
    built.Bytes[trailing] = 0x12;
    built.Bytes[trailing + 1] = 0x34;
    const ReadOutcome r = Outcome(ReadLangpack(built.Bytes));
    ASSERT_EQ(r.status, ReadStatus::Ok) << r.message;
    EXPECT_EQ(r.langpack.SetCount(), 2);
}

TEST(ReadSet, SevenSetsWhereSet7PointsAtSet2sData) {
    LangpackSpec spec = SmallSpec(TSetTableForm::Framed, 6);
    spec.Sets[2] = MirrorOf(spec.Sets[1], 1);
    spec.Sets.push_back(MirrorOf(spec.Sets[1], 1));
    ReadOutcome r = Outcome(ReadLangpack(BuildLangpack(spec).Bytes));
    ASSERT_EQ(r.status, ReadStatus::Ok) << r.message;
    EXPECT_TRUE(r.langpack.Set7SharesSet2);
    EXPECT_EQ(SetDescription(7, r.langpack.Set7SharesSet2),
              "Not the correct reference to a body font (remained from old models)");
    testing_support::ExpectModelMatchesSpec(r.langpack, spec);

    spec.Sets.pop_back();  // six sets, of which set 3 shares set 2
    r = Outcome(ReadLangpack(BuildLangpack(spec).Bytes));
    ASSERT_EQ(r.status, ReadStatus::Ok) << r.message;
    EXPECT_FALSE(r.langpack.Set7SharesSet2);
}

TEST(ReadSet, TwentyOneSetsAreAllowed) {
    const LangpackSpec spec = SmallSpec(TSetTableForm::Packed, 21);
    const ReadOutcome r = Outcome(ReadLangpack(BuildLangpack(spec).Bytes));
    ASSERT_EQ(r.status, ReadStatus::Ok) << r.message;
    EXPECT_EQ(r.langpack.SetCount(), 21);
}

}  // namespace
}  // namespace glyphora
