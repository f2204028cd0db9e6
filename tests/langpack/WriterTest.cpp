#include <ReadOutcome.h>
#include "ByteOrder.h"
#include "LangpackBuilder.h"
#include "LangpackEdit.h"
#include "LangpackReader.h"
#include "LangpackWriter.h"
#include "ModelExpectations.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

using namespace fixtures;
using testing_support::ExpectSameStoredModel;

TLangpack Read(std::span<const uint8_t> bytes) {
    ReadOutcome r = Outcome(ReadLangpack(bytes));
    EXPECT_EQ(r.status, ReadStatus::Ok) << r.message;
    return std::move(r.langpack);
}

// Saves, checks that the image reads back as the saved model, and returns it.
std::vector<uint8_t> SaveAndReread(TLangpack& lp, std::span<const uint8_t> current) {
    SaveOutcome saved = Outcome(BuildSavedImage(lp, current));
    EXPECT_TRUE(saved.ok) << saved.message;
    const TLangpack reread = Read(saved.image);
    ExpectSameStoredModel(lp, reread);
    return saved.image;
}

uint64_t FontsOffset(const TLangpack& lp) {
    return static_cast<uint32_t>(lp.Header.FontsAddress - lp.Header.LangpackAddress);
}

TEST(BuildSavedImage, CanonicalFilesSaveToTheSameBytes) {
    struct Case {
        const char* name;
        LangpackSpec spec;
    };
    auto typical = [](TSetTableForm form, SetTableEnd end, std::vector<uint8_t> after) {
        LangpackSpec s = TypicalLangpack();
        s.Form = form;
        s.End = end;
        s.AfterEnd = std::move(after);
        return s;
    };
    const Case cases[] = {
        {"typical", TypicalLangpack()},
        {"large", LargeLangpack()},
        {"Framed FF FF at the end", typical(TSetTableForm::Framed, SetTableEnd::Marker, {})},
        {"Framed 00 01 and more", typical(TSetTableForm::Framed, SetTableEnd::Word0001, {1, 2, 3, 4, 5, 6, 7, 8})},
        {"Framed without a marker", typical(TSetTableForm::Framed, SetTableEnd::None, {})},
        {"Packed 00 00 and more", typical(TSetTableForm::Packed, SetTableEnd::Marker, {9, 8, 7, 6, 5})},
        {"Packed 00 00 at the end", typical(TSetTableForm::Packed, SetTableEnd::Marker, {})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<uint8_t> bytes = BuildLangpack(c.spec).Bytes;
        TLangpack lp = Read(bytes);
        const SaveOutcome saved = Outcome(BuildSavedImage(lp, bytes));
        ASSERT_TRUE(saved.ok) << saved.message;
        EXPECT_EQ(saved.image, bytes);
    }
}

TEST(BuildSavedImage, ASecondSaveWritesTheSameBytes) {
    LangpackSpec spec = TypicalLangpack();
    spec.GapBetweenTables = 5;
    for (SetSpec& set : spec.Sets) set.DataLead = 3;
    const std::vector<uint8_t> bytes = BuildLangpack(spec).Bytes;
    TLangpack lp = Read(bytes);
    lp.SymbolTable[1][7].Data[2] ^= 0x3C;

    const std::vector<uint8_t> first = SaveAndReread(lp, bytes);
    EXPECT_NE(first, bytes);
    const SaveOutcome second = Outcome(BuildSavedImage(lp, first));
    ASSERT_TRUE(second.ok) << second.message;
    EXPECT_EQ(second.image, first);
}

TEST(BuildSavedImage, WideningOneGlyphMovesEverythingAfterIt) {
    LangpackSpec spec;
    spec.Languages = {{0x01, 0, 0}};
    spec.Sets = {PatternSet(12, {{0x41, 0x50}}, {8}, 1), PatternSet(10, {{0x30, 0x39}}, {6}, 2)};
    const std::vector<uint8_t> bytes = BuildLangpack(spec).Bytes;
    TLangpack lp = Read(bytes);
    const TLangpack before = lp;

    Symbols& g = lp.SymbolTable[0][3];
    g.Width = 9;
    g.Data.resize(24, 0xFF);
    const std::vector<uint8_t> image = SaveAndReread(lp, bytes);

    for (std::size_t s = 0; s < 16; ++s)
        EXPECT_EQ(lp.SymbolTable[0][s].Offset, before.SymbolTable[0][s].Offset + (s > 3 ? 12 : 0)) << s;
    EXPECT_EQ(lp.FontSetTable[1].DataOffset, before.FontSetTable[1].DataOffset + 12);
    EXPECT_EQ(lp.FontSetTable[0].DataOffset, before.FontSetTable[0].DataOffset);
    EXPECT_EQ(image.size(), bytes.size() + 12);
    EXPECT_EQ(Read(image).SymbolTable[0][3].Width, 9);
}

// Nothing before the fonts area changes except the set table's address, and
// the model learns where everything went.
TEST(BuildSavedImage, TouchesOnlyTheFontsAreaAndOffset568) {
    LangpackSpec spec = TypicalLangpack();
    spec.GapBetweenTables = 9;
    const std::vector<uint8_t> bytes = BuildLangpack(spec).Bytes;
    TLangpack lp = Read(bytes);
    const SaveOutcome saved = Outcome(BuildSavedImage(lp, bytes));
    ASSERT_TRUE(saved.ok) << saved.message;

    const std::size_t fonts = FontsOffset(lp);
    for (std::size_t i = 0; i < fonts; ++i)
        if (i < 568 || i >= 572) {
            ASSERT_EQ(saved.image[i], bytes[i]) << "offset " << i;
        }
    EXPECT_EQ(static_cast<int32_t>(LoadBE32(saved.image.data() + 568)), lp.Header.SetTableAddress);
    EXPECT_LT(lp.Header.SetTableAddress, Read(bytes).Header.SetTableAddress);  // the gaps are gone
    const TLangpack reread = Read(saved.image);
    for (std::size_t k = 0; k < lp.SetCount(); ++k) {
        EXPECT_EQ(reread.FontSetTable[k].DataOffset, lp.FontSetTable[k].DataOffset);
        EXPECT_EQ(reread.FontSetTable[k].IntervalTableOffset, lp.FontSetTable[k].IntervalTableOffset);
        EXPECT_EQ(reread.FontSetTable[k].DescriptorTableOffset, lp.FontSetTable[k].DescriptorTableOffset);
    }
}

TEST(BuildSavedImage, ZeroPaddingBeforeTheSetTable) {
    // One glyph of width 8 and the given height: the glyph data end at file
    // offset 600 + 2 + height.
    struct Case {
        TSetTableForm form;
        uint16_t height;
        std::size_t padding;
    };
    const Case cases[] = {
        {TSetTableForm::Packed, 1, 1}, {TSetTableForm::Packed, 2, 2}, {TSetTableForm::Framed, 2, 4},
        {TSetTableForm::Framed, 3, 3}, {TSetTableForm::Framed, 4, 2}, {TSetTableForm::Framed, 5, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.height) + (c.form == TSetTableForm::Framed ? " framed" : " packed"));
        LangpackSpec spec;
        spec.Languages = {{0x01, 0, 0}};
        spec.Form = c.form;
        spec.Sets = {PatternSet(7, {{0x41, 0x41}}, {8}, 1)};
        spec.Sets[0].Glyphs[0].Rows.assign(7, 0xFF);  // where the padding goes, no zero is left by chance
        const std::vector<uint8_t> bytes = BuildLangpack(spec).Bytes;
        TLangpack lp = Read(bytes);
        lp.FontSetTable[0].Height = c.height;
        ResizeSets(lp, 0, 7);
        const SaveOutcome saved = Outcome(BuildSavedImage(lp, bytes));
        ASSERT_TRUE(saved.ok) << saved.message;
        const std::size_t dataEnd = 600 + 2 + c.height;
        const std::size_t table = static_cast<std::size_t>(lp.Header.SetTableAddress - lp.Header.LangpackAddress);
        EXPECT_EQ(table - dataEnd, c.padding);
        for (std::size_t i = dataEnd; i < table; ++i) EXPECT_EQ(saved.image[i], 0) << i;
    }
}

TEST(BuildSavedImage, KeepsOrCutsWhatFollowsTheTail) {
    struct Case {
        const char* name;
        std::vector<uint8_t> after;
        int heightChange;
        bool cut;
    };
    const Case cases[] = {
        {"shrinking, table at the end", {}, -2, true},
        {"shrinking, data after the table", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, -2, false},
        {"growing, table at the end", {}, +2, true},
        {"growing, data after the table", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, +2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LangpackSpec spec = TypicalLangpack();
        spec.AfterEnd = c.after;
        const std::vector<uint8_t> bytes = BuildLangpack(spec).Bytes;
        TLangpack lp = Read(bytes);
        const int old = lp.FontSetTable[0].Height;
        lp.FontSetTable[0].Height = static_cast<uint16_t>(old + c.heightChange);
        ResizeSets(lp, 0, old);
        const std::vector<uint8_t> image = SaveAndReread(lp, bytes);

        const std::size_t tailEnd = static_cast<std::size_t>(lp.Header.SetTableAddress - lp.Header.LangpackAddress) +
                                    lp.SetCount() * 28u + lp.SetTableTail.size();
        if (c.cut) {
            EXPECT_EQ(image.size(), tailEnd);
        } else {
            EXPECT_EQ(image.size(), std::max(bytes.size(), tailEnd));
            for (std::size_t i = tailEnd; i < image.size(); ++i) EXPECT_EQ(image[i], bytes[i]) << "offset " << i;
        }
    }
}

// The writer lays glyph 0 at the set's data, so a first interval read with a
// non-zero DataBase is saved with DataBase 0 and the glyphs read back the same.
TEST(BuildSavedImage, FirstIntervalWithNonZeroDataBase) {
    LangpackSpec spec = TypicalLangpack();
    for (SetSpec& set : spec.Sets) set.DataLead = 40;
    const std::vector<uint8_t> bytes = BuildLangpack(spec).Bytes;
    TLangpack lp = Read(bytes);
    ASSERT_EQ(lp.IntervalTable[1][0].DataBase, 40);
    const TLangpack before = lp;

    const std::vector<uint8_t> image = SaveAndReread(lp, bytes);
    EXPECT_EQ(lp.IntervalTable[1][0].DataBase, 0);
    const TLangpack reread = Read(image);
    for (std::size_t k = 0; k < lp.SetCount(); ++k)
        for (std::size_t s = 0; s < lp.SymbolTable[k].size(); ++s)
            EXPECT_EQ(reread.SymbolTable[k][s].Data, before.SymbolTable[k][s].Data) << k << "/" << s;
}

TEST(BuildSavedImage, PackedTableWithoutEndWordGetsOne) {
    LangpackSpec spec = TypicalLangpack();
    spec.Form = TSetTableForm::Packed;
    spec.End = SetTableEnd::None;
    spec.AfterEnd = {};
    spec.Sets[3].Extra3 = 0x1234;  // the last word of the file, not an end word
    const BuiltLangpack built = BuildLangpack(spec);
    TLangpack lp = Read(built.Bytes);
    ASSERT_EQ(lp.SetCount(), 4);

    const std::vector<uint8_t> image = SaveAndReread(lp, built.Bytes);
    ASSERT_EQ(image.size(), built.Bytes.size() + 2);
    EXPECT_EQ(image[image.size() - 4], 0x12);
    EXPECT_EQ(image[image.size() - 2], 0x00);
    EXPECT_EQ(image[image.size() - 1], 0x00);
    const TLangpack reread = Read(image);
    EXPECT_EQ(reread.SetCount(), 4);
    EXPECT_EQ(reread.FontSetTable[3].Extra3, 0x1234);
}

TEST(BuildSavedImage, PackedTableEndedBy0001IsWrittenEndedBy0000) {
    LangpackSpec spec = TypicalLangpack();
    spec.Form = TSetTableForm::Packed;
    spec.End = SetTableEnd::Word0001;
    spec.AfterEnd = {0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6};
    const BuiltLangpack built = BuildLangpack(spec);
    TLangpack lp = Read(built.Bytes);
    const SaveOutcome saved = Outcome(BuildSavedImage(lp, built.Bytes));
    ASSERT_TRUE(saved.ok) << saved.message;
    const std::vector<uint8_t> expectedEnd = {0x00, 0x00, 0x00, 0x01};
    EXPECT_TRUE(std::equal(expectedEnd.begin(), expectedEnd.end(),
                           saved.image.begin() + static_cast<std::ptrdiff_t>(built.EndWordOffset)));
    const TLangpack reread = Read(saved.image);
    EXPECT_EQ(reread.SetCount(), 4);
    EXPECT_EQ(reread.SetTableTail, (std::vector<uint8_t>{0x00, 0x00, 0x00, 0x01, 0xA3, 0xA4}));
}

TEST(BuildSavedImage, Set3AndSet7AreSavedAsCopiesOfSet2) {
    LangpackSpec spec = TypicalLangpack();
    spec.Sets.push_back(PatternSet(9, {{0x30, 0x35}}, {5}, 50));
    spec.Sets.push_back(PatternSet(9, {{0x30, 0x35}}, {5}, 60));
    spec.Sets.push_back(MirrorOf(spec.Sets[1], 1));  // set 7
    const std::vector<uint8_t> bytes = BuildLangpack(spec).Bytes;
    TLangpack lp = Read(bytes);
    ASSERT_TRUE(lp.Set7SharesSet2);

    // Set 2 gets a new glyph and a new height; its copies follow.
    lp.SymbolTable[1][20].Data[0] ^= 0x81;
    lp.FontSetTable[1].Height = 13;
    ResizeSets(lp, 1, 12);
    const std::vector<uint8_t> image = SaveAndReread(lp, bytes);

    const TLangpack reread = Read(image);
    for (std::size_t k : {2u, 6u}) {
        SCOPED_TRACE("set " + std::to_string(k + 1));
        EXPECT_EQ(reread.FontSetTable[k].DataOffset, reread.FontSetTable[1].DataOffset);
        EXPECT_EQ(reread.FontSetTable[k].DescriptorTableOffset, reread.FontSetTable[1].DescriptorTableOffset);
        EXPECT_EQ(reread.FontSetTable[k].IntervalTableOffset, reread.FontSetTable[1].IntervalTableOffset);
        EXPECT_EQ(reread.FontSetTable[k].Height, 13);
        EXPECT_EQ(reread.SymbolTable[k][20].Data, lp.SymbolTable[1][20].Data);
    }
    EXPECT_TRUE(reread.Set7SharesSet2);
}

// A set 7 of its own must not come to start where set 2's data start, or it
// would read back as a copy of set 2.
TEST(BuildSavedImage, Set7OfItsOwnStaysApartFromSet2) {
    LangpackSpec spec;
    spec.Languages = {{0x01, 0, 0}};
    for (uint32_t k = 0; k < 7; ++k) spec.Sets.push_back(PatternSet(8, {{0x41, 0x43}}, {6}, k));
    spec.Sets[2] = MirrorOf(spec.Sets[1], 1);
    const std::vector<uint8_t> bytes = BuildLangpack(spec).Bytes;
    TLangpack lp = Read(bytes);
    ASSERT_FALSE(lp.Set7SharesSet2);
    // Sets 2 to 6 lose all their glyph bytes.
    for (std::size_t k : {1u, 2u, 3u, 4u, 5u}) {
        lp.FontSetTable[k].Height = 0;
        ResizeSets(lp, static_cast<int>(k), 8);
    }
    SaveAndReread(lp, bytes);
    EXPECT_NE(lp.FontSetTable[6].DataOffset, lp.FontSetTable[1].DataOffset);
}

// A set 3 with glyph data of its own is saved as an ordinary set: an edit of
// set 2 does not reach it, and it reads back with its own glyphs.
TEST(BuildSavedImage, Set3OfItsOwnKeepsItsGlyphs) {
    LangpackSpec spec = TypicalLangpack();
    spec.Sets[2] = PatternSet(12, {{0x41, 0x5A}}, {6}, 77);
    const std::vector<uint8_t> bytes = BuildLangpack(spec).Bytes;
    TLangpack lp = Read(bytes);
    ASSERT_FALSE(lp.Set3SharesSet2);
    const TLangpack before = lp;
    lp.SymbolTable[1][20].Data[0] ^= 0x81;
    lp.SymbolTable[2][3].Data[1] ^= 0x42;
    const TLangpack reread = Read(SaveAndReread(lp, bytes));
    EXPECT_FALSE(reread.Set3SharesSet2);
    EXPECT_NE(reread.FontSetTable[2].DataOffset, reread.FontSetTable[1].DataOffset);
    EXPECT_EQ(reread.SymbolTable[2][3].Data, lp.SymbolTable[2][3].Data);
    EXPECT_EQ(reread.SymbolTable[1][20].Data, lp.SymbolTable[1][20].Data);
    EXPECT_EQ(reread.SymbolTable[2][20].Data, before.SymbolTable[2][20].Data);
}

// Without any glyph the data would start at offset 0 of the fonts area, and
// a record whose first word is 00 00 (Packed) or 00 01 (either form) ends the
// table: the writer keeps DataOffset clear of both.
TEST(BuildSavedImage, SetsWithoutGlyphsStayReadable) {
    struct Case {
        const char* name;
        TSetTableForm form;
        std::size_t sets;
    };
    const Case cases[] = {{"Packed, three empty sets", TSetTableForm::Packed, 3},
                          {"Framed, seven empty sets, set 7 of its own", TSetTableForm::Framed, 7}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LangpackSpec spec;
        spec.Languages = {{0x01, 0, 0}};
        spec.Form = c.form;
        spec.Sets.assign(c.sets, SetSpec{});
        spec.Sets[2].SharesTablesOf = 1;
        BuiltLangpack built = BuildLangpack(spec);
        // The builder puts every DataOffset at 0; give the records other ones
        // so the file reads as described.
        for (std::size_t k = 0; k < c.sets; ++k)
            StoreBE16(built.Bytes.data() + built.Sets[k].RecordOffset, static_cast<uint16_t>(0x10 + k));
        TLangpack lp = Read(built.Bytes);
        ASSERT_EQ(lp.SetCount(), c.sets);
        ASSERT_FALSE(lp.Set7SharesSet2);
        SaveAndReread(lp, built.Bytes);
    }
}

// A fonts area between other data may not grow: the message gives the excess.
TEST(BuildSavedImage, FontsAreaInTheMiddleMayNotGrow) {
    // One glyph of width 8 and height 997 in a Packed table: 2 descriptor
    // bytes and 997 data bytes, one zero byte, so the set table starts 1000
    // bytes into the fonts area, which is its room (FontAreaSize).
    LangpackSpec spec;
    spec.Languages = {{0x01, 0, 0}};
    spec.Form = TSetTableForm::Packed;
    spec.Sets = {PatternSet(997, {{0x41, 0x41}}, {8}, 1)};
    spec.AfterEnd = std::vector<uint8_t>(64, 0x77);  // the iTAP data that follow
    spec.ITapAfterSetTable = true;
    const std::vector<uint8_t> bytes = BuildLangpack(spec).Bytes;
    TLangpack lp = Read(bytes);
    ASSERT_TRUE(lp.Header.FontInMiddle);
    ASSERT_EQ(lp.Header.FontAreaSize, 1000);

    struct Case {
        uint16_t height;
        bool ok;
        int32_t required;
    };
    const Case cases[] = {{997, true, 1000}, {998, false, 1001}, {996, true, 999}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height);
        TLangpack edited = lp;
        edited.FontSetTable[0].Height = c.height;
        ResizeSets(edited, 0, 997);
        const TLangpack before = edited;
        EXPECT_EQ(RequiredFontSize(edited), c.required);
        const SaveOutcome saved = Outcome(BuildSavedImage(edited, bytes));
        EXPECT_EQ(saved.ok, c.ok);
        if (c.ok) {
            EXPECT_EQ(saved.image.size(), bytes.size());
            EXPECT_TRUE(std::equal(bytes.end() - 64, bytes.end(), saved.image.end() - 64)) << "the data after it stay";
        } else {
            EXPECT_EQ(saved.message,
                      "The font is in the middle langpack and the size of a kept font more, than initial on 1 byte, "
                      "therefore preservation is impossible! Reduce the genera size of a font.");
            EXPECT_TRUE(saved.image.empty());
            ExpectSameStoredModel(before, edited);
        }
    }
}

// The room check counts the padding too: a set table that would start later
// than the old one would overwrite the data after it, even if the glyphs
// themselves fit.
TEST(BuildSavedImage, FontsAreaInTheMiddleCountsThePadding) {
    LangpackSpec spec;
    spec.Languages = {{0x01, 0, 0}};
    spec.Form = TSetTableForm::Framed;
    spec.Sets = {PatternSet(3, {{0x41, 0x41}}, {8}, 1)};
    spec.PaddingBeforeSetTable = 1;  // glyph data end at 605: table at 606, not on a 4-byte boundary
    spec.AfterEnd = std::vector<uint8_t>(16, 0x77);
    spec.ITapAfterSetTable = true;
    const std::vector<uint8_t> bytes = BuildLangpack(spec).Bytes;
    TLangpack lp = Read(bytes);
    ASSERT_EQ(lp.Header.FontAreaSize, 6);

    EXPECT_EQ(RequiredFontSize(lp), 6);
    const SaveOutcome saved = Outcome(BuildSavedImage(lp, bytes));
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.message, FontInMiddleMessage(2));
}

}  // namespace
}  // namespace glyphora
