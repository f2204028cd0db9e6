// A save that the file form cannot hold is refused with a message naming
// what is wrong; nothing is produced and the model stays as it was.
#include <ReadOutcome.h>
#include "ByteOrder.h"
#include "LangpackBuilder.h"
#include "LangpackReader.h"
#include "LangpackWriter.h"
#include "ModelExpectations.h"

#include <gtest/gtest.h>

#include <functional>

namespace glyphora {
namespace {

using namespace fixtures;

// A set of `count` glyphs of the given size in intervals of `perInterval` glyphs.
SetSpec BigSet(uint16_t count, uint16_t perInterval, uint8_t width, uint16_t height) {
    std::vector<CodeRange> ranges;
    for (uint16_t first = 0; first < count; first = static_cast<uint16_t>(first + perInterval)) {
        const uint16_t last = static_cast<uint16_t>(std::min<int>(first + perInterval, count) - 1);
        ranges.push_back({static_cast<uint16_t>(0x1000 + first), static_cast<uint16_t>(0x1000 + last)});
    }
    return PatternSet(height, ranges, {width}, count);
}

// Interval 0 and a full table: 100 lone codes and a run of 300 glyphs 8 wide
// and 8 high. Widened to 9, the run needs two intervals, one more than the
// table holds.
SetSpec OutgrownIntervalsSet() {
    std::vector<CodeRange> ranges;
    for (uint16_t i = 0; i < 100; ++i)
        ranges.push_back({static_cast<uint16_t>(0x1000 + 2 * i), static_cast<uint16_t>(0x1000 + 2 * i)});
    ranges.push_back({0x2000, 0x212B});
    return PatternSet(8, ranges, {8}, 5);
}

void WidenAll(TLangpack& lp) {
    for (Symbols& g : lp.SymbolTable[0]) {
        g.Width = 9;
        g.Data.assign(std::size_t{2} * lp.FontSetTable[0].Height, 0xFF);
    }
}

LangpackSpec WithSets(std::vector<SetSpec> sets) {
    LangpackSpec spec;
    spec.Languages = {{0x01, 0, 0}};
    spec.Sets = std::move(sets);
    return spec;
}

// No sets, the fonts area right after the header, and a Framed table that
// ends the file 30 bytes further on: saved, the table moves up and the file
// would be cut to 578 bytes.
LangpackSpec ShortLangpackWithTableAtTheEnd() {
    LangpackSpec spec = WithSets({});
    spec.FontsOffset = 572;
    spec.PaddingBeforeSetTable = 30;
    spec.End = SetTableEnd::None;
    spec.AfterEnd = {0x00, 0x00};
    return spec;
}

struct Refusal {
    const char* name;
    LangpackSpec spec;
    std::function<void(TLangpack&)> edit;
    const char* message;
};

TEST(BuildSavedImage, RefusesWhatTheFileFormCannotHold) {
    const Refusal cases[] = {
        {"width 16", TypicalLangpack(), [](TLangpack& lp) { lp.SymbolTable[1][4].Width = 16; },
         "glyph 4 of set 2 is 16 pixels wide; at most 15 are allowed"},
        {"rows that do not match the width", TypicalLangpack(), [](TLangpack& lp) { lp.SymbolTable[3][2].Width = 9; },
         "glyph 2 of set 4 holds 10 bytes, but a glyph 9 pixels wide and 10 high has 20"},
        {"widened past what 100 intervals hold", WithSets({OutgrownIntervalsSet()}), WidenAll,
         "set 1 would need 101 intervals in its table; a set has room for 100"},
        {"DataBase past 65535", WithSets({BigSet(1001, 50, 15, 40)}), nullptr,
         "the glyphs of interval 17 of set 1 would start 68000 bytes after the set's first glyph"},
        {"data offset past 65535",
         WithSets({BigSet(1000, 60, 15, 30), BigSet(1000, 60, 15, 30), MirrorOf(BigSet(1000, 60, 15, 30), 1),
                   BigSet(10, 10, 8, 8)}),
         nullptr, "the glyph data of set 4 would start at offset"},
        {"set 3 sharing set 2's data with intervals of its own",
         WithSets({BigSet(10, 10, 8, 8), BigSet(20, 10, 8, 8), MirrorOf(BigSet(20, 10, 8, 8), 1)}),
         [](TLangpack& lp) {
             lp.IntervalTable[2][1].LastCode = static_cast<uint16_t>(lp.IntervalTable[2][1].LastCode + 1);
         },
         "set 3 shares the glyphs of set 2 in the file but has other character intervals"},
        {"an interval's glyphs apart", TypicalLangpack(), [](TLangpack& lp) { lp.SymbolTable[1][10].Interval = 1; },
         "the glyphs of interval 0 of set 2 do not follow one another (glyph 11 of set 2)"},
        {"glyph of an interval the set lacks", TypicalLangpack(),
         [](TLangpack& lp) { lp.SymbolTable[0][0].Interval = 5; },
         "glyph 0 of set 1 belongs to interval 5, which set 1 does not have"},
        {"fonts area inside the header", WithSets({}),
         [](TLangpack& lp) { lp.Header.FontsAddress = lp.Header.LangpackAddress + 100; },
         "the fonts area at offset 0x64 would overwrite the langpack header"},
        {"fonts area past the end", WithSets({}),
         [](TLangpack& lp) {
             lp.Header.FontsAddress =
                 static_cast<int32_t>(static_cast<uint32_t>(lp.Header.LangpackAddress) + 0x7FFF0000u);
         },
         "the fonts area at offset 0x7FFF0000 starts past the end of the file"},
        {"fonts area inside the language records", TypicalLangpack(),
         [](TLangpack& lp) { lp.LanguageTable.resize(14); },
         "the fonts area at offset 0x258 would overwrite the language table, which ends at 0x2B8"},
        {"file cut below 600 bytes", ShortLangpackWithTableAtTheEnd(), nullptr,
         "the saved langpack would be 578 bytes long; a langpack has at least 600"},
    };
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<uint8_t> bytes = BuildLangpack(c.spec).Bytes;
        ReadOutcome r = Outcome(ReadLangpack(bytes));
        ASSERT_EQ(r.status, ReadStatus::Ok) << r.message;
        TLangpack& lp = r.langpack;
        if (c.edit) c.edit(lp);
        const TLangpack before = lp;

        const SaveOutcome saved = Outcome(BuildSavedImage(lp, bytes));
        EXPECT_FALSE(saved.ok);
        EXPECT_NE(saved.message.find(c.message), std::string::npos) << saved.message;
        EXPECT_TRUE(saved.image.empty());
        testing_support::ExpectSameStoredModel(before, lp);
    }
}

}  // namespace
}  // namespace glyphora
