#include "LangpackBuilder.h"
#include "LangpackEdit.h"
#include "LangpackReader.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

using namespace fixtures;

TLangpack TenHighSet() {
    LangpackSpec spec;
    spec.Languages = {{0x01, 0, 0}};
    spec.Sets = {PatternSet(10, {{0x41, 0x44}}, {6, 12}, 5)};
    ReadResult r = ReadLangpack(BuildLangpack(spec).Bytes);
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
        EXPECT_TRUE(std::all_of(data.begin() + static_cast<std::ptrdiff_t>(10 * row), data.end(), [](uint8_t b) { return b == 0xFF; }));
        EXPECT_EQ(lp.SymbolTable[0][s].Preview.Rows, before[s].Preview.Rows) << "previews stay as read";
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

}  // namespace
}  // namespace glyphora
