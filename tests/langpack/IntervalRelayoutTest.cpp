// A set whose glyphs grew past what its intervals hold is saved with its
// intervals laid out anew; every other set, and a langpack that fits, is
// written as it was.
#include <ReadOutcome.h>
#include "LangpackBuilder.h"
#include "LangpackEdit.h"
#include "LangpackReader.h"
#include "LangpackWriter.h"
#include "ModelExpectations.h"

#include <gtest/gtest.h>

#include <functional>

namespace glyphora {
namespace {

using namespace fixtures;
using testing_support::IntervalText;

// Two intervals of consecutive codes: a set laid out anew would merge them.
SetSpec SplitInTwo() { return PatternSet(8, {{0x41, 0x45}, {0x46, 0x4A}}, {6}, 1); }
SetSpec CodeRun(uint16_t count, uint16_t height) {
    return PatternSet(height, {{0x2000, static_cast<uint16_t>(0x2000 + count - 1)}}, {8}, 2);
}

void Widen(TLangpack& lp, std::size_t k) {
    for (Symbols& g : lp.SymbolTable[k]) {
        g.Width = 9;
        g.Data.assign(std::size_t{2} * lp.FontSetTable[k].Height, 0x5A);
    }
}

TEST(IntervalRelayout, OnlyOutgrownSetsAreLaidOutAnew) {
    struct Case {
        const char* name;
        std::vector<SetSpec> sets;
        std::function<void(TLangpack&)> edit;
        std::vector<std::string> intervals;  // per set, after the save
    };
    const std::string kept = "U+0041-U+0045@0 U+0046-U+004A@5";
    const Case cases[] = {
        {"fits: byte for byte", {SplitInTwo(), CodeRun(300, 8)}, nullptr, {kept, "U+2000-U+212B@0"}},
        // 300 glyphs of 16 bytes: glyph 256 would start 4096 bytes in.
        {"widened",
         {SplitInTwo(), CodeRun(300, 8)},
         [](TLangpack& lp) { Widen(lp, 1); },
         {kept, "U+2000-U+20FF@0 U+2100-U+212B@256"}},
        // 14 bytes a glyph: glyph 293 would start at 4102; set 3 follows set 2.
        {"taller, with the copy of set 2",
         {SplitInTwo(), CodeRun(300, 8), MirrorOf(CodeRun(300, 8), 1)},
         [](TLangpack& lp) { SetSetHeight(lp, 1, 14); },
         {kept, "U+2000-U+2124@0 U+2125-U+212B@293", "U+2000-U+2124@0 U+2125-U+212B@293"}},
        // 13 bytes a glyph: glyph 315 starts at 4095 exactly and stays.
        {"split at the limit",
         {CodeRun(320, 12)},
         [](TLangpack& lp) { SetSetHeight(lp, 0, 13); },
         {"U+2000-U+213B@0 U+213C-U+213F@316"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LangpackSpec spec;
        spec.Languages = {{0x01, 0, 0}};
        spec.Sets = c.sets;
        const std::vector<uint8_t> bytes = BuildLangpack(spec).Bytes;
        ReadOutcome r = Outcome(ReadLangpack(bytes));
        ASSERT_EQ(r.status, ReadStatus::Ok) << r.message;
        TLangpack lp = std::move(r.langpack);
        if (c.edit) c.edit(lp);
        const TLangpack edited = lp;

        const SaveOutcome saved = Outcome(BuildSavedImage(lp, bytes));
        ASSERT_TRUE(saved.ok) << saved.message;
        if (!c.edit) {
            EXPECT_EQ(saved.image, bytes);
        }
        ReadOutcome back = Outcome(ReadLangpack(saved.image));
        ASSERT_EQ(back.status, ReadStatus::Ok) << back.message;
        testing_support::ExpectSameStoredModel(lp, back.langpack);
        for (std::size_t k = 0; k < c.sets.size(); ++k) {
            EXPECT_EQ(IntervalText(back.langpack, static_cast<int>(k)), c.intervals[k]) << "set " << k + 1;
            const auto& was = edited.SymbolTable[k];
            const auto& now = back.langpack.SymbolTable[k];
            ASSERT_EQ(now.size(), was.size());
            for (std::size_t s = 0; s < was.size(); ++s) {
                EXPECT_EQ(now[s].Code, was[s].Code) << "glyph " << s;
                EXPECT_EQ(now[s].Width, was[s].Width) << "glyph " << s;
                EXPECT_EQ(now[s].Data, was[s].Data) << "glyph " << s;
            }
        }
    }
}

}  // namespace
}  // namespace glyphora
