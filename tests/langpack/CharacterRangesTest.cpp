#include <ReadOutcome.h>
#include "CharacterRanges.h"
#include "LangpackBuilder.h"
#include "LangpackReader.h"
#include "LangpackWriter.h"
#include "ModelExpectations.h"

#include <HexText.h>

#include <gtest/gtest.h>

#include <map>

namespace glyphora {
namespace {

using namespace fixtures;
using testing_support::IntervalText;

struct Built {
    std::vector<uint8_t> bytes;
    TLangpack lp;
};

Built Make(LangpackSpec spec) {
    Built b;
    b.bytes = BuildLangpack(spec).Bytes;
    ReadOutcome r = Outcome(ReadLangpack(b.bytes));
    EXPECT_EQ(r.status, ReadStatus::Ok) << r.message;
    b.lp = std::move(r.langpack);
    return b;
}

Built OneSet(uint16_t height, std::vector<CodeRange> ranges, uint8_t width = 6) {
    LangpackSpec spec;
    spec.Languages = {{0x01, 0, 0}};
    spec.Sets = {PatternSet(height, ranges, {width}, 3)};
    return Make(spec);
}

std::map<uint16_t, std::pair<int, std::vector<uint8_t>>> ByCode(const TLangpack& lp, int k) {
    std::map<uint16_t, std::pair<int, std::vector<uint8_t>>> glyphs;
    for (const Symbols& g : lp.glyphs(k)) glyphs[g.Code] = {g.Width, g.Data};
    return glyphs;
}

// Each edit lays the intervals out anew, and the saved file reads back every glyph by its code.
TEST(CharacterRanges, LayoutAndSaveReadBack) {
    struct Case {
        const char* name;
        uint16_t height;
        std::vector<CodeRange> ranges;
        bool add;
        CodeSpan span;
        int width;
        std::string intervals;
        int changed;
        int skipped;
    };
    const Case cases[] = {
        {"after", 8, {{0x41, 0x43}}, true, {0x45, 0x46}, 5, "U+0041-U+0043@0 U+0045-U+0046@3", 2, 0},
        {"before", 8, {{0x41, 0x43}}, true, {0x30, 0x31}, 5, "U+0030-U+0031@0 U+0041-U+0043@2", 2, 0},
        {"between merges", 8, {{0x41, 0x43}, {0x45, 0x46}}, true, {0x44, 0x44}, 5, "U+0041-U+0046@0", 1, 0},
        {"present skipped", 8, {{0x41, 0x43}}, true, {0x42, 0x44}, 5, "U+0041-U+0044@0", 1, 2},
        {"code 0 alone", 8, {{0x41, 0x43}}, true, {0, 0}, 5, "- U+0000-U+0000@0 U+0041-U+0043@1", 1, 0},
        // 32 bytes a glyph: glyph 128 of a run would start 4096 bytes in.
        {"split at offset",
         16,
         {{0x41, 0x41}},
         true,
         {0x100, 0x1C7},
         12,
         "U+0041-U+0041@0 U+0100-U+017F@1 U+0180-U+01C7@129",
         200,
         0},
        {"remove splits", 8, {{0x41, 0x46}}, false, {0x43, 0x44}, 0, "U+0041-U+0042@0 U+0045-U+0046@2", 2, 0},
        {"remove empties", 8, {{0x41, 0x43}, {0x45, 0x46}}, false, {0x44, 0x46}, 0, "U+0041-U+0043@0", 2, 1},
        {"remove interval 0", 8, {{0x30, 0x31}, {0x41, 0x43}}, false, {0x30, 0x31}, 0, "U+0041-U+0043@0", 2, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Built b = OneSet(c.height, c.ranges);
        const auto before = ByCode(b.lp, 0);
        const Result<RangeEdit> done = c.add ? AddBlankCodes(b.lp, 0, c.span, c.width) : RemoveCodes(b.lp, 0, c.span);
        ASSERT_TRUE(done) << done.error().message;
        EXPECT_EQ(done->changed, c.changed);
        EXPECT_EQ(done->skipped, c.skipped);
        EXPECT_EQ(IntervalText(b.lp, 0), c.intervals);

        auto expected = before;
        for (uint32_t code = c.span.first; code <= c.span.last; ++code) {
            if (!c.add) expected.erase(static_cast<uint16_t>(code));
            if (c.add && !expected.count(static_cast<uint16_t>(code)))
                expected[static_cast<uint16_t>(code)] = {
                    c.width, std::vector<uint8_t>(c.height * (c.width > 8 ? 2u : 1u), 0xFF)};
        }
        const Result<std::vector<uint8_t>> image = BuildSavedImage(b.lp, b.bytes);
        ASSERT_TRUE(image) << image.error().message;
        ReadOutcome reread = Outcome(ReadLangpack(*image));
        ASSERT_EQ(reread.status, ReadStatus::Ok) << reread.message;
        EXPECT_EQ(ByCode(reread.langpack, 0), expected);
        EXPECT_EQ(IntervalText(reread.langpack, 0), c.intervals);
    }
}

// Every limit is checked before anything changes: the model stays as it was.
TEST(CharacterRanges, RefusalsLeaveTheLangpackAsItWas) {
    LangpackSpec middle;
    middle.Languages = {{0x01, 0, 0}};
    middle.Sets = {PatternSet(8, {{0x41, 0x43}}, {6}, 1)};
    middle.AfterEnd = std::vector<uint8_t>(64, 0x77);
    middle.ITapAfterSetTable = true;

    struct Case {
        const char* name;
        LangpackSpec spec;
        int set;
        std::function<Result<RangeEdit>(TLangpack&)> edit;
        std::string message;
    };
    const Case cases[] = {
        {"width 0", TypicalLangpack(), 0,
         [](TLangpack& lp) {
             return AddBlankCodes(lp, 0, {0x100, 0x101}, 0);
         },
         "width of 0"},
        {"width 16", TypicalLangpack(), 0,
         [](TLangpack& lp) {
             return AddBlankCodes(lp, 0, {0x100, 0x101}, 16);
         },
         "width of 16"},
        {"reversed", TypicalLangpack(), 0,
         [](TLangpack& lp) {
             return AddBlankCodes(lp, 0, {0x101, 0x100}, 6);
         },
         "reversed"},
        {"past U+FFFF", TypicalLangpack(), 0,
         [](TLangpack& lp) {
             return RemoveCodes(lp, 0, {0xFFFF, 0x10000});
         },
         "past U+FFFF"},
        {"too many glyphs", TypicalLangpack(), 0,
         [](TLangpack& lp) {
             return AddBlankCodes(lp, 0, {0x1000, 0x1000 + 1001 - 95}, 6);
         },
         "1002 glyphs"},
        {"too many intervals", TypicalLangpack(), 0,
         [](TLangpack& lp) {
             std::vector<NewGlyph> apart;
             for (uint16_t i = 0; i < 101; ++i) apart.push_back({static_cast<uint16_t>(0x1000 + 2 * i), 4, {}});
             return AddGlyphs(lp, 0, apart);
         },
         "101 intervals"},
        {"whole set removed", TypicalLangpack(), 3,
         [](TLangpack& lp) {
             return RemoveCodes(lp, 3, {0, 0xFFFF});
         },
         "no characters left"},
        {"copy of set 2", TypicalLangpack(), 2,
         [](TLangpack& lp) {
             return AddBlankCodes(lp, 2, {0x100, 0x100}, 6);
         },
         "change the characters of set 2"},
        {"room in the middle", middle, 0,
         [](TLangpack& lp) {
             return AddBlankCodes(lp, 0, {0x100, 0x100}, 6);
         },
         "it would need"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Built b = Make(c.spec);
        const Built original = b;
        const Result<RangeEdit> done = c.edit(b.lp);
        ASSERT_FALSE(done);
        EXPECT_EQ(done.error().kind, ErrorKind::Refused);
        EXPECT_NE(done.error().message.find(c.message), std::string::npos) << done.error().message;
        EXPECT_EQ(ByCode(b.lp, c.set), ByCode(original.lp, c.set));
        EXPECT_EQ(IntervalText(b.lp, c.set), IntervalText(original.lp, c.set));
    }
}

// Set 3 shares set 2's data: it takes set 2's new characters, and a save keeps it sharing.
TEST(CharacterRanges, CopiesOfSet2Follow) {
    Built b = Make(TypicalLangpack());
    ASSERT_TRUE(b.lp.Set3SharesSet2);
    const Result<RangeEdit> done = AddBlankCodes(b.lp, 1, {0x400, 0x40F}, 7);
    ASSERT_TRUE(done) << done.error().message;
    EXPECT_EQ(done->sets, (std::vector<int>{1, 2}));
    EXPECT_EQ(ByCode(b.lp, 2), ByCode(b.lp, 1));
    const Result<std::vector<uint8_t>> image = BuildSavedImage(b.lp, b.bytes);
    ASSERT_TRUE(image) << image.error().message;
    ReadOutcome reread = Outcome(ReadLangpack(*image));
    ASSERT_EQ(reread.status, ReadStatus::Ok) << reread.message;
    EXPECT_TRUE(reread.langpack.Set3SharesSet2);
    EXPECT_EQ(ByCode(reread.langpack, 2), ByCode(b.lp, 1));
}

}  // namespace
}  // namespace glyphora
