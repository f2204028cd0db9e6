#include "ModelExpectations.h"

#include "CharacterRanges.h"
#include "HexText.h"

#include <gtest/gtest.h>

namespace glyphora::testing_support {

std::vector<uint8_t> FileForm(std::span<const uint8_t> memoryRows) {
    std::vector<uint8_t> rows;
    for (uint8_t b : memoryRows) rows.push_back(static_cast<uint8_t>(~b));
    return rows;
}

std::string IntervalText(const TLangpack& lp, int k) {
    std::string text;
    const auto& iv = lp.IntervalTable[static_cast<std::size_t>(k)];
    for (std::size_t j = 0; j < iv.size(); ++j) {
        if (j == 0 && !iv[j].inUse()) {
            text += "-";
            continue;
        }
        text += (j ? " " : "") + CodeName(iv[j].FirstCode) + "-" + CodeName(iv[j].LastCode) + "@" +
                std::to_string(iv[j].FirstIndex);
    }
    return text;
}

void ExpectModelMatchesSpec(const TLangpack& lp, const fixtures::LangpackSpec& spec) {
    EXPECT_EQ(lp.SetTableForm, spec.Form);
    ASSERT_EQ(lp.LanguageTable.size(), spec.Languages.size());
    for (std::size_t i = 0; i < spec.Languages.size(); ++i) {
        EXPECT_EQ(lp.LanguageTable[i].ID, spec.Languages[i].Id) << "language " << i;
        EXPECT_EQ(lp.LanguageTable[i].PackedStringsAddress, spec.Languages[i].PackedStringsAddress) << "language " << i;
        if (!(i == 0 && spec.ITapAfterSetTable)) {
            EXPECT_EQ(lp.LanguageTable[i].ITapAddress, spec.Languages[i].ITapAddress) << "language " << i;
        }
    }
    ASSERT_EQ(lp.SetCount(), spec.Sets.size());
    for (std::size_t k = 0; k < spec.Sets.size(); ++k) {
        SCOPED_TRACE("set " + std::to_string(k + 1));
        const fixtures::SetSpec& want = spec.Sets[k];
        const TFontSetEntry& set = lp.FontSetTable[k];
        EXPECT_EQ(set.Height, want.Height);
        EXPECT_EQ(set.Extra1, want.Extra1);
        EXPECT_EQ(set.Extra2, want.Extra2);
        EXPECT_EQ(set.Extra3, want.Extra3);
        ASSERT_EQ(set.IntervalCount, want.Intervals.size());
        ASSERT_EQ(lp.IntervalTable[k].size(), want.Intervals.size() + 1);
        EXPECT_EQ(lp.IntervalTable[k][0].FirstCode, want.Interval0.FirstCode);
        EXPECT_EQ(lp.IntervalTable[k][0].LastCode, want.Interval0.LastCode);
        for (std::size_t j = 0; j < want.Intervals.size(); ++j) {
            EXPECT_EQ(lp.IntervalTable[k][j + 1].FirstCode, want.Intervals[j].FirstCode);
            EXPECT_EQ(lp.IntervalTable[k][j + 1].LastCode, want.Intervals[j].LastCode);
            EXPECT_EQ(lp.IntervalTable[k][j + 1].FirstIndex, want.Intervals[j].FirstIndex);
        }
        ASSERT_EQ(set.SymbolCount, want.Glyphs.size());
        ASSERT_EQ(lp.SymbolTable[k].size(), want.Glyphs.size());
        for (std::size_t s = 0; s < want.Glyphs.size(); ++s) {
            const Symbols& g = lp.SymbolTable[k][s];
            EXPECT_EQ(g.Width, want.Glyphs[s].Width) << "glyph " << s;
            EXPECT_EQ(FileForm(g.Data), want.Glyphs[s].Rows) << "glyph " << s;
        }
    }
}

void ExpectSameStoredModel(const TLangpack& expected, const TLangpack& actual) {
    const TLangpackHeader& a = expected.Header;
    const TLangpackHeader& b = actual.Header;
    EXPECT_EQ(a.LangpackAddress, b.LangpackAddress);
    EXPECT_EQ(a.FlashGeneration[0], b.FlashGeneration[0]);
    EXPECT_EQ(a.FlashGeneration[1], b.FlashGeneration[1]);
    EXPECT_EQ(a.LangpackVersion, b.LangpackVersion);
    EXPECT_EQ(a.LanguageCount, b.LanguageCount);
    EXPECT_EQ(a.FontsAddress, b.FontsAddress);
    EXPECT_EQ(a.SetTableAddress, b.SetTableAddress);
    EXPECT_EQ(a.FontInMiddle, b.FontInMiddle);
    ASSERT_EQ(expected.LanguageTable.size(), actual.LanguageTable.size());
    for (std::size_t i = 0; i < expected.LanguageTable.size(); ++i) {
        EXPECT_EQ(expected.LanguageTable[i].ID, actual.LanguageTable[i].ID);
        EXPECT_EQ(expected.LanguageTable[i].ITapAddress, actual.LanguageTable[i].ITapAddress);
        EXPECT_EQ(expected.LanguageTable[i].PackedStringsAddress, actual.LanguageTable[i].PackedStringsAddress);
    }
    EXPECT_EQ(expected.SetTableForm, actual.SetTableForm);
    EXPECT_EQ(expected.SetTableTail, actual.SetTableTail);
    EXPECT_EQ(expected.SetTableAtEnd, actual.SetTableAtEnd);
    EXPECT_EQ(expected.Set3SharesSet2, actual.Set3SharesSet2);
    EXPECT_EQ(expected.Set7SharesSet2, actual.Set7SharesSet2);
    ASSERT_EQ(expected.SetCount(), actual.SetCount());
    for (std::size_t k = 0; k < expected.SetCount(); ++k) {
        SCOPED_TRACE("set " + std::to_string(k + 1));
        const TFontSetEntry& x = expected.FontSetTable[k];
        const TFontSetEntry& y = actual.FontSetTable[k];
        EXPECT_EQ(x.DataOffset, y.DataOffset);
        EXPECT_EQ(x.Height, y.Height);
        EXPECT_EQ(x.DescriptorTableOffset, y.DescriptorTableOffset);
        EXPECT_EQ(x.IntervalTableOffset, y.IntervalTableOffset);
        EXPECT_EQ(x.IntervalCount, y.IntervalCount);
        EXPECT_EQ(x.Extra1, y.Extra1);
        EXPECT_EQ(x.Extra2, y.Extra2);
        EXPECT_EQ(x.Extra3, y.Extra3);
        ASSERT_EQ(x.SymbolCount, y.SymbolCount);
        ASSERT_EQ(expected.IntervalTable[k].size(), actual.IntervalTable[k].size());
        for (std::size_t j = 0; j < expected.IntervalTable[k].size(); ++j) {
            const TCharInterval& p = expected.IntervalTable[k][j];
            const TCharInterval& q = actual.IntervalTable[k][j];
            EXPECT_EQ(p.FirstCode, q.FirstCode) << "interval " << j;
            EXPECT_EQ(p.LastCode, q.LastCode) << "interval " << j;
            EXPECT_EQ(p.FirstIndex, q.FirstIndex) << "interval " << j;
            EXPECT_EQ(p.DataBase, q.DataBase) << "interval " << j;
        }
        for (std::size_t s = 0; s < x.SymbolCount; ++s) {
            const Symbols& g = expected.SymbolTable[k][s];
            const Symbols& h = actual.SymbolTable[k][s];
            EXPECT_EQ(g.Code, h.Code) << "glyph " << s;
            EXPECT_EQ(g.Width, h.Width) << "glyph " << s;
            EXPECT_EQ(g.Offset, h.Offset) << "glyph " << s;
            EXPECT_EQ(g.Interval, h.Interval) << "glyph " << s;
            EXPECT_EQ(g.Data, h.Data) << "glyph " << s;
        }
    }
}

}  // namespace glyphora::testing_support
