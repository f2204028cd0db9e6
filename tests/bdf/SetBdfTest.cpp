// A set written as a BDF font, and BDF glyphs placed into a set.
#include <ReadOutcome.h>
#include "BdfReader.h"
#include "BdfTestSupport.h"
#include "BdfWriter.h"
#include "LangpackEdit.h"
#include "LangpackWriter.h"
#include "SetBdf.h"

#include <gtest/gtest.h>

#include <map>

namespace glyphora {
namespace {

using bdftest::Picture;
using namespace fixtures;

TEST(SetToBdf, WritesTheCellsWithTheirCodesAndWidths) {
    LangpackSpec spec;
    spec.Languages = {{0x01, 0, 0}};
    SetSpec set;
    set.Height = 3;
    set.Interval0 = {0x41, 0x42, 0, std::nullopt};
    set.Glyphs = {{3, {0xA0, 0x40, 0xE0}}, {0, {0, 0, 0}}};
    spec.Sets = {set};
    const TLangpack lp = bdftest::ReadBuilt(spec);

    EXPECT_EQ(WriteBdf(SetToBdf(lp, 0, "demo-set1", 1)),
              "STARTFONT 2.1\n"
              "FONT demo-set1\n"
              "SIZE 3 72 72\n"
              "FONTBOUNDINGBOX 3 3 0 -1\n"
              "STARTPROPERTIES 4\n"
              "FONT_ASCENT 2\n"
              "FONT_DESCENT 1\n"
              "CHARSET_REGISTRY \"ISO10646\"\n"
              "CHARSET_ENCODING \"1\"\n"
              "ENDPROPERTIES\n"
              "CHARS 2\n"
              "STARTCHAR uni0041\nENCODING 65\nSWIDTH 1000 0\nDWIDTH 3 0\nBBX 3 3 0 -1\nBITMAP\nA0\n40\nE0\nENDCHAR\n"
              "STARTCHAR uni0042\nENCODING 66\nSWIDTH 0 0\nDWIDTH 0 0\nBBX 0 0 0 0\nBITMAP\nENDCHAR\n"
              "ENDFONT\n");
}

TEST(BdfFontName, IsTheFileNameWithoutBlanks) {
    const struct {
        const char* file;
        int set;
        const char* name;
    } cases[] = {
        {"/phones/my lang.smg", 2, "my_lang-set2"},
        {"demo.smg", 1, "demo-set1"},
        {"C:\\flash\\-odd.name.bin", 13, "_odd.name-set13"},
        {"/phones/\xD1\x8F.smg", 3, "__-set3"},
        {"", 4, "langpack-set4"},
    };
    for (const auto& c : cases) EXPECT_EQ(BdfFontName(c.file, c.set), c.name) << c.file;
}

TEST(DefaultBdfShift, CutsOnlyWhatDoesNotFit) {
    const struct {
        int ascent, descent, height, shift;
    } cases[] = {{5, 1, 6, 0}, {5, 1, 8, 0}, {12, 2, 12, 2}, {15, 4, 12, 7}, {-3, 1, 4, 0}};
    for (const auto& c : cases) {
        BdfFont font;
        font.Properties = {{"FONT_ASCENT", std::to_string(c.ascent), false},
                           {"FONT_DESCENT", std::to_string(c.descent), false}};
        EXPECT_EQ(DefaultBdfShift(font, c.height), c.shift) << c.ascent << "+" << c.descent << " in " << c.height;
    }
    BdfFont noProperties;
    noProperties.BoundingBox = {8, 14, 0, -2};  // ascent 12, descent 2
    EXPECT_EQ(DefaultBdfShift(noProperties, 12), 2);
}

// Ascent 5, descent 1: a set of height 6 holds it as it is.
const char* const kPlacedFont =
    "STARTFONT 2.1\nFONT t\nSIZE 6 72 72\nFONTBOUNDINGBOX 18 6 -1 -1\n"
    "STARTPROPERTIES 2\nFONT_ASCENT 5\nFONT_DESCENT 1\nENDPROPERTIES\nCHARS 7\n"
    // A: a full cell with a descender row.
    "STARTCHAR A\nENCODING 65\nDWIDTH 5 0\nBBX 4 6 0 -1\nBITMAP\n60\n90\nF0\n90\n90\n80\nENDCHAR\n"
    // B: small, high, one column left of the origin.
    "STARTCHAR B\nENCODING 66\nDWIDTH 3 0\nBBX 3 2 -1 3\nBITMAP\nE0\nA0\nENDCHAR\n"
    // C: 18 pixels on the baseline row, advance 20.
    "STARTCHAR C\nENCODING 67\nDWIDTH 20 0\nBBX 18 1 0 0\nBITMAP\nFFFFC0\nENDCHAR\n"
    // D: ink right of its advance of 2.
    "STARTCHAR D\nENCODING 68\nDWIDTH 2 0\nBBX 4 1 1 0\nBITMAP\nF0\nENDCHAR\n"
    // E only in another encoding; F not at all.
    "STARTCHAR E\nENCODING -1 69\nDWIDTH 2 0\nBBX 2 1 0 0\nBITMAP\nC0\nENDCHAR\n"
    // G: no advance, no ink.
    "STARTCHAR G\nENCODING 71\nDWIDTH 0 0\nBBX 0 0 0 0\nBITMAP\nENDCHAR\n"
    "ENDFONT\n";

TLangpack LettersAtoG(uint16_t height) {
    LangpackSpec spec;
    spec.Languages = {{0x01, 0, 0}};
    spec.Sets = {PatternSet(height, {{0x41, 0x47}}, {4}, 3)};
    return bdftest::ReadBuilt(spec);
}

TEST(PlanBdfImport, PlacesGlyphsByAscentOffsetAndWidth) {
    const TLangpack lp = LettersAtoG(6);
    Result<BdfFont> font = ReadBdf(kPlacedFont);
    ASSERT_TRUE(font.has_value()) << font.error().message;
    const BdfImportPlan plan = PlanBdfImport(lp, 0, *font, std::nullopt);
    EXPECT_EQ(plan.Shift, 0);
    EXPECT_EQ(plan.Replaced, 5);
    EXPECT_EQ(plan.Lacked, 2);

    std::map<int, std::string> placed;
    for (const BdfGlyphImport& g : plan.Glyphs) placed[g.GlyphIndex] = Picture(g.Data, g.Width, 6);
    const std::map<int, std::string> expected = {
        {0, Picture({".##..", "#..#.", "####.", "#..#.", "#..#.", "#...."})},
        {1, Picture({"##.", ".#.", "...", "...", "...", "..."})},
        {2, Picture({"...............", "...............", "...............", "...............", "###############",
                     "..............."})},
        {3, Picture({"..", "..", "..", "..", ".#", ".."})},
        {6, Picture({"", "", "", "", "", ""})},
    };
    EXPECT_EQ(placed, expected);
    EXPECT_EQ(plan.Glyphs.back().Width, 0);
}

TEST(PlanBdfImport, ShiftMovesTheFontUpOrDown) {
    // Ascent 7 + descent 1 in 6 rows: by default the top 2 rows go.
    const std::string tall =
        "STARTFONT 2.1\nFONT t\nSIZE 8 72 72\nFONTBOUNDINGBOX 3 8 0 -1\n"
        "STARTPROPERTIES 2\nFONT_ASCENT 7\nFONT_DESCENT 1\nENDPROPERTIES\nCHARS 1\n"
        "STARTCHAR A\nENCODING 65\nDWIDTH 3 0\nBBX 3 8 0 "
        "-1\nBITMAP\n80\n40\n20\n80\n40\n20\nE0\nA0\nENDCHAR\nENDFONT\n";
    const struct {
        std::optional<int> shift;
        int used;
        std::string picture;
    } cases[] = {
        {std::nullopt, 2, Picture({"..#", "#..", ".#.", "..#", "###", "#.#"})},
        {0, 0, Picture({"#..", ".#.", "..#", "#..", ".#.", "..#"})},
        {-1, -1, Picture({"...", "#..", ".#.", "..#", "#..", ".#."})},
        {9, 9, Picture({"...", "...", "...", "...", "...", "..."})},
    };
    const TLangpack lp = LettersAtoG(6);
    Result<BdfFont> font = ReadBdf(tall);
    ASSERT_TRUE(font.has_value()) << font.error().message;
    for (const auto& c : cases) {
        const BdfImportPlan plan = PlanBdfImport(lp, 0, *font, c.shift);
        EXPECT_EQ(plan.Shift, c.used);
        ASSERT_EQ(plan.Glyphs.size(), 1u);
        EXPECT_EQ(Picture(plan.Glyphs[0].Data, plan.Glyphs[0].Width, 6), c.picture) << "shift " << c.used;
    }
}

// What the import changes beyond the font's glyphs is listed by code, and
// only for the glyphs it takes: the second 'C' and the 'F' the set lacks
// change nothing.
TEST(PlanBdfImport, ListsTheGlyphsItCutWidenedOrChoseAmongDuplicates) {
    const std::string font =
        "STARTFONT 2.1\nFONT t\nSIZE 6 72 72\nFONTBOUNDINGBOX 18 6 0 -1\n"
        "STARTPROPERTIES 2\nFONT_ASCENT 5\nFONT_DESCENT 1\nENDPROPERTIES\nCHARS 8\n"
        "STARTCHAR A\nENCODING 65\nDWIDTH 16 0\nBBX 16 1 0 0\nBITMAP\nFFFF\nENDCHAR\n"
        "STARTCHAR B\nENCODING 66\nDWIDTH 0 0\nBBX 3 1 0 0\nBITMAP\nE0\nENDCHAR\n"
        "STARTCHAR C\nENCODING 67\nDWIDTH 3 0\nBBX 3 1 0 0\nBITMAP\nA0\nENDCHAR\n"
        "STARTCHAR C2\nENCODING 67\nDWIDTH 5 0\nBBX 5 1 0 0\nBITMAP\nF8\nENDCHAR\n"
        "STARTCHAR D\nENCODING 68\nDWIDTH 0 0\nBBX 0 0 0 0\nBITMAP\nENDCHAR\n"
        "STARTCHAR E\nENCODING 69\nDWIDTH 15 0\nBBX 15 1 0 0\nBITMAP\nFFFE\nENDCHAR\n"
        "STARTCHAR F\nENCODING 70\nDWIDTH 20 0\nBBX 1 1 0 0\nBITMAP\n80\nENDCHAR\n"
        "STARTCHAR F2\nENCODING 70\nDWIDTH 2 0\nBBX 1 1 0 0\nBITMAP\n80\nENDCHAR\n"
        "ENDFONT\n";
    LangpackSpec spec;
    spec.Languages = {{0x01, 0, 0}};
    spec.Sets = {PatternSet(6, {{0x41, 0x45}}, {4}, 3)};
    const TLangpack lp = bdftest::ReadBuilt(spec);
    Result<BdfFont> read = ReadBdf(font);
    ASSERT_TRUE(read.has_value()) << read.error().message;
    const BdfImportPlan plan = PlanBdfImport(lp, 0, *read, std::nullopt);
    EXPECT_EQ(plan.CutTo15, std::vector<uint16_t>{'A'});
    EXPECT_EQ(plan.MadeOneColumn, std::vector<uint16_t>{'B'});
    EXPECT_EQ(plan.Duplicated, std::vector<uint16_t>{'C'});
    std::map<int, int> widths;
    for (const BdfGlyphImport& g : plan.Glyphs) widths[g.GlyphIndex] = g.Width;
    EXPECT_EQ(widths, (std::map<int, int>{{0, 15}, {1, 1}, {2, 3}, {3, 0}, {4, 15}}));
    EXPECT_EQ(BdfImportNotes(plan),
              (std::vector<std::string>{
                  "1 glyph wider than 15 columns was cut to 15: U+0041",
                  "1 glyph with ink but DWIDTH 0 was made 1 column wide: U+0042",
                  "1 code has more than one glyph in the font (ENCODING repeated); the first was taken: U+0043"}));
    EXPECT_TRUE(BdfImportNotes(BdfImportPlan{}).empty());
}

TEST(SetBdf, ExportThenImportGivesTheSameSetAndFile) {
    const SetSpec general = PatternSet(12, {{0x20, 0x7E}, {0x410, 0x44F}}, {0, 1, 4, 8, 9, 15}, 7);
    std::vector<uint8_t> bytes;
    const TLangpack original = bdftest::ReadBuilt(bdftest::GeneralSetLangpack(general), &bytes);
    TLangpack saved = original;
    const SaveOutcome expected = Outcome(BuildSavedImage(saved, bytes));
    ASSERT_TRUE(expected.ok) << expected.message;

    for (int descent : {0, 3}) {
        SCOPED_TRACE("descent " + std::to_string(descent));
        Result<BdfFont> font = ReadBdf(WriteBdf(SetToBdf(original, 1, "t-set2", descent)));
        ASSERT_TRUE(font.has_value()) << font.error().message;

        TLangpack copy = original;
        for (std::size_t s = 0; s < copy.SymbolTable[1].size(); ++s)
            StoreGlyph(copy, 1, static_cast<int>(s), 1, std::vector<uint8_t>(12, 0xFF));
        const BdfImportPlan plan = PlanBdfImport(copy, 1, *font, std::nullopt);
        EXPECT_EQ(plan.Shift, 0);
        EXPECT_EQ(plan.Replaced, 159);
        EXPECT_EQ(plan.Lacked, 0);
        EXPECT_EQ(ApplyBdfImport(copy, 1, plan), (std::vector<int>{1, 2}));

        for (int k : {1, 2})
            for (std::size_t s = 0; s < original.SymbolTable[1].size(); ++s) {
                const Symbols& a = original.SymbolTable[1][s];
                const Symbols& b = copy.glyphs(k)[s];
                ASSERT_EQ(b.Width, a.Width) << "set " << k + 1 << " glyph " << s;
                ASSERT_EQ(b.Data, a.Data) << "set " << k + 1 << " glyph " << s;
            }
        const SaveOutcome again = Outcome(BuildSavedImage(copy, bytes));
        ASSERT_TRUE(again.ok) << again.message;
        EXPECT_TRUE(again.image == expected.image);
    }
}

}  // namespace
}  // namespace glyphora

namespace glyphora {
namespace {

TEST(BaselineDescent, TheRowBelowTheBaselineBeginsTheDescent) {
    struct Case {
        std::optional<int> baseline;
        int height;
        std::optional<int> descent;
    } cases[] = {
        {9, 12, 2},                        // ascent 10
        {11, 12, 0},                       // the bottom row: no descent
        {0, 12, 11},                       // the top row
        {std::nullopt, 12, std::nullopt},  // no guide: the export asks
        {12, 12, std::nullopt},            // below a set made lower since
        {-1, 12, std::nullopt},
        {0, 0, std::nullopt},  // a set without rows
    };
    for (const Case& c : cases)
        EXPECT_EQ(BaselineDescent(c.baseline, c.height), c.descent) << c.baseline.value_or(-99) << "/" << c.height;
}

}  // namespace
}  // namespace glyphora
