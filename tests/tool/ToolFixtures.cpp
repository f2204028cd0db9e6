#include "ToolFixtures.h"

namespace glyphora::testing {

using namespace glyphora::fixtures;

namespace {

LangpackSpec Packed(SetTableEnd end, std::vector<uint8_t> afterEnd) {
    LangpackSpec spec = TypicalLangpack();
    spec.Form = TSetTableForm::Packed;
    spec.End = end;
    spec.AfterEnd = std::move(afterEnd);
    return spec;
}

LangpackSpec Framed(SetTableEnd end, std::vector<uint8_t> afterEnd) {
    LangpackSpec spec = TypicalLangpack();
    spec.End = end;
    spec.AfterEnd = std::move(afterEnd);
    return spec;
}

// Widths 0, 9 and 15 (two bytes per row), extras, no interval 0, odd language IDs
// and addresses above 0x7FFFFFFF, which the model holds as negative numbers.
LangpackSpec OddValues() {
    LangpackSpec spec;
    spec.LangpackAddress = static_cast<int32_t>(0xA0000000u);
    spec.FlashGeneration[0] = 0xFF;
    spec.FlashGeneration[1] = 0x00;
    spec.LangpackVersion = 0x7F;
    spec.Languages = {{0x29, static_cast<int32_t>(0xA0100000u), 0},
                      {0xF1000000u, 0x10, static_cast<int32_t>(0xA0200000u)},
                      {0x1E, 0, 0x20}};
    SetSpec set = PatternSet(11, {{0x41, 0x44}, {0x2116, 0x2116}}, {0, 9, 15, 1, 12}, 77, false);
    set.Extra1 = 0xFFFF;
    set.Extra2 = 0x8000;
    set.Extra3 = 0x0001;
    spec.Sets.push_back(set);
    spec.Sets.push_back(PatternSet(1, {{0x20, 0x20}}, {3}, 5));
    return spec;
}

// Seven sets with set 7 pointing at set 2's tables, as on older phones.
LangpackSpec SevenSets() {
    LangpackSpec spec = TypicalLangpack();
    spec.Sets.push_back(PatternSet(14, {{0x30, 0x39}}, {8}, 400));
    spec.Sets.push_back(PatternSet(16, {{0x30, 0x3A}}, {10, 11}, 500));
    spec.Sets.push_back(MirrorOf(spec.Sets[1], 1));
    return spec;
}

}  // namespace

std::vector<NamedFixture> AllFixtures() {
    std::vector<NamedFixture> all;
    all.push_back({"typical", TypicalLangpack()});
    all.push_back({"large", LargeLangpack()});
    all.push_back({"framed_marker_at_end", Framed(SetTableEnd::Marker, {})});
    all.push_back({"framed_marker_short_rest", Framed(SetTableEnd::Marker, {0xAB, 0xCD})});
    all.push_back({"framed_word_0001", Framed(SetTableEnd::Word0001, {0x12, 0x34, 0x56, 0x78, 0x9A})});
    all.push_back({"framed_no_end_word", Framed(SetTableEnd::None, {})});
    all.push_back({"packed_marker", Packed(SetTableEnd::Marker, {1, 2, 3, 4, 5, 6})});
    all.push_back({"packed_word_0001", Packed(SetTableEnd::Word0001, {9, 8, 7, 6}), false});
    all.push_back({"packed_no_end_word", Packed(SetTableEnd::None, {}), false});
    all.push_back({"odd_values", OddValues()});
    all.push_back({"seven_sets", SevenSets()});

    LangpackSpec middle = TypicalLangpack();
    middle.ITapAfterSetTable = true;
    all.push_back({"font_in_middle", middle});

    LangpackSpec gaps = TypicalLangpack();
    gaps.GapBetweenTables = 6;
    gaps.Sets[0].DataLead = 4;
    gaps.PaddingBeforeSetTable = 9;
    all.push_back({"gaps_and_lead", gaps, false});

    LangpackSpec empty;
    empty.End = SetTableEnd::Word0001;
    empty.AfterEnd = {0xAA, 0xBB};
    all.push_back({"no_languages_no_sets", empty});
    return all;
}

}  // namespace glyphora::testing
