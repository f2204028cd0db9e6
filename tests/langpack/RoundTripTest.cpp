// Random valid langpacks: built file -> read gives the description; edit ->
// save -> read gives the saved model; a second save gives the same bytes.
#include <ReadOutcome.h>
#include "LangpackBuilder.h"
#include "LangpackEdit.h"
#include "LangpackReader.h"
#include "LangpackWriter.h"
#include "ModelExpectations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace glyphora {
namespace {

using namespace fixtures;

class Random {
public:
    explicit Random(uint32_t seed) : rng_(seed) {}
    int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool chance(int percent) { return between(1, 100) <= percent; }
    std::mt19937& engine() { return rng_; }

private:
    std::mt19937 rng_;
};

SetSpec RandomSet(Random& rnd, uint32_t seed) {
    std::vector<CodeRange> ranges(static_cast<std::size_t>(rnd.between(1, 4)));
    for (CodeRange& r : ranges) {
        r.First = static_cast<uint16_t>(rnd.between(1, 0xFF00));
        r.Last = static_cast<uint16_t>(r.First + rnd.between(0, 29));
    }
    std::vector<uint8_t> widths(static_cast<std::size_t>(rnd.between(1, 4)));
    for (uint8_t& w : widths) w = static_cast<uint8_t>(rnd.between(0, 15));
    SetSpec set = PatternSet(static_cast<uint16_t>(rnd.between(0, 20)), ranges, widths, seed, rnd.chance(70));

    // The intervals may hand out their index blocks in any order.
    if (rnd.chance(40)) {
        std::vector<IntervalSpec*> all;
        if (set.Interval0.FirstCode != 0 || set.Interval0.LastCode != 0) all.push_back(&set.Interval0);
        for (IntervalSpec& iv : set.Intervals) all.push_back(&iv);
        std::shuffle(all.begin(), all.end(), rnd.engine());
        uint16_t next = 0;
        for (IntervalSpec* iv : all) {
            iv->FirstIndex = next;
            next = static_cast<uint16_t>(next + iv->LastCode - iv->FirstCode + 1);
        }
    }
    set.Extra1 = static_cast<uint16_t>(rnd.between(0, 0xFFFF));
    set.Extra2 = static_cast<uint16_t>(rnd.between(0, 0xFFFF));
    set.Extra3 = static_cast<uint16_t>(rnd.between(0, 0xFFFF));
    set.DataLead = static_cast<uint16_t>(rnd.chance(30) ? rnd.between(1, 5) : 0);
    return set;
}

LangpackSpec RandomSpec(Random& rnd) {
    LangpackSpec spec;
    spec.LangpackAddress = rnd.chance(80) ? kDefaultLangpackAddress : static_cast<int32_t>(0x7FFFF000);
    for (int i = rnd.between(0, 3); i > 0; --i)
        spec.Languages.push_back({static_cast<uint32_t>(rnd.between(1, 0x2B)), rnd.between(0, 1 << 30), 0});
    spec.Form = rnd.chance(50) ? TSetTableForm::Framed : TSetTableForm::Packed;
    const int count = rnd.between(0, 9);
    for (int k = 0; k < count; ++k) {
        if (k == 2 || (k == 6 && rnd.chance(50)))
            spec.Sets.push_back(MirrorOf(spec.Sets[1], 1));
        else
            spec.Sets.push_back(RandomSet(rnd, static_cast<uint32_t>(rnd.between(0, 1 << 20))));
    }
    // Without sets only 00 01 says unmistakably where the table ends.
    spec.End = count == 0 ? SetTableEnd::Word0001 : static_cast<SetTableEnd>(rnd.between(0, 2));
    if (spec.End != SetTableEnd::None)
        for (int i = rnd.between(0, 8); i > 0; --i) spec.AfterEnd.push_back(static_cast<uint8_t>(rnd.between(0, 255)));
    spec.GapBetweenTables = static_cast<uint32_t>(rnd.chance(30) ? rnd.between(1, 6) : 0);
    return spec;
}

// Edits the editor can make: pixels, widths (with the rows they need), heights.
void RandomEdits(Random& rnd, TLangpack& lp) {
    if (lp.SetCount() == 0) return;
    for (int e = rnd.between(1, 6); e > 0; --e) {
        const int k = rnd.between(0, lp.SetCount() - 1);
        std::vector<Symbols>& glyphs = lp.glyphs(k);
        const uint16_t height = lp.FontSetTable[static_cast<std::size_t>(k)].Height;
        if (rnd.chance(20)) {
            lp.FontSetTable[static_cast<std::size_t>(k)].Height = static_cast<uint16_t>(rnd.between(0, 20));
            ResizeSets(lp, k, height);
        } else if (!glyphs.empty()) {
            Symbols& g = glyphs[static_cast<std::size_t>(rnd.between(0, static_cast<int>(glyphs.size()) - 1))];
            g.Width = static_cast<uint8_t>(rnd.between(0, 15));
            g.Data.resize(static_cast<std::size_t>(height) * BytesPerRow(g.Width), 0xFF);
            for (uint8_t& b : g.Data) b = static_cast<uint8_t>(b ^ rnd.between(0, 255));
        }
    }
}

TEST(RoundTrip, RandomLangpacks) {
    Random rnd(20240611);
    for (int iteration = 0; iteration < 300; ++iteration) {
        SCOPED_TRACE("iteration " + std::to_string(iteration));
        const LangpackSpec spec = RandomSpec(rnd);
        const std::vector<uint8_t> bytes = BuildLangpack(spec).Bytes;
        ReadOutcome r = Outcome(ReadLangpack(bytes));
        ASSERT_EQ(r.status, ReadStatus::Ok) << r.message;
        testing_support::ExpectModelMatchesSpec(r.langpack, spec);

        TLangpack& lp = r.langpack;
        if (rnd.chance(60)) RandomEdits(rnd, lp);
        const SaveOutcome saved = Outcome(BuildSavedImage(lp, bytes));
        ASSERT_TRUE(saved.ok) << saved.message;
        const ReadOutcome reread = Outcome(ReadLangpack(saved.image));
        ASSERT_EQ(reread.status, ReadStatus::Ok) << reread.message;

        // The two ways the table's ending is put back differently (both
        // described where the reader keeps the tail): a Packed table ended by
        // 00 01 is written with 00 00 00 01 and then ends at 00 00, and an
        // empty Packed table starts with a zero word, which reads as Framed.
        TLangpack expected = lp;
        if (spec.Form == TSetTableForm::Packed && spec.End == SetTableEnd::Word0001 && lp.SetCount() > 0) {
            ASSERT_GE(reread.langpack.SetTableTail.size(), 4u);
            EXPECT_EQ(reread.langpack.SetTableTail[3], 0x01);
            expected.SetTableTail = reread.langpack.SetTableTail;
            expected.SetTableAtEnd = reread.langpack.SetTableAtEnd;
        }
        if (lp.SetCount() == 0) expected.SetTableForm = reread.langpack.SetTableForm;
        testing_support::ExpectSameStoredModel(expected, reread.langpack);

        const SaveOutcome again = Outcome(BuildSavedImage(lp, saved.image));
        ASSERT_TRUE(again.ok) << again.message;
        EXPECT_EQ(again.image, saved.image);
        if (::testing::Test::HasFailure()) break;
    }
}

}  // namespace
}  // namespace glyphora
