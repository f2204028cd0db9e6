// Whole sets out as BDF and PNG and in from BDF, as the File menu runs them.
#include "SessionFixture.h"

#include <SetExchange.h>

namespace glyphora::testing {
namespace {

using fixtures::RepaintedTypicalLangpack;
using fixtures::TypicalLangpack;

class SetExchangeTest : public SessionTest {
protected:
    // "Export set as BDF…" of the set shown, the dialog answering `path`.
    void exportBdf(const std::string& path) {
        prompts.saveFiles.push_back(path);
        SetExchange(session()).ExportBdfCommand();
    }
    // "Import BDF into set…", the dialogs answering `path` and `shift`.
    void importBdf(const std::string& path, const std::string& shift) {
        prompts.openFiles.push_back(path);
        prompts.textAnswers.push_back(shift);
        SetExchange(session()).ImportBdfCommand();
    }
};

struct RoundTrip {
    int exportedSet;  // 0-based
    int importedSet;
};

class SetExchangeRoundTrip : public SetExchangeTest, public ::testing::WithParamInterface<RoundTrip> {};

// Set 3 is saved from set 2: exported, it is what it shows; imported into, set 2 takes the glyphs.
TEST_P(SetExchangeRoundTrip, ExportThenImportIntoARepaintedCopyGivesTheFileBack) {
    const RoundTrip c = GetParam();
    const std::string original = writeLangpack("lang.smg", TypicalLangpack());
    const std::string copy = writeLangpack("copy.smg", RepaintedTypicalLangpack());
    open(original);
    ASSERT_TRUE(session().ChooseSet(c.exportedSet));
    exportBdf(dir.path("general"));  // no extension: ".bdf" is added
    ASSERT_EQ(prompts.fileDialogs.back().suggestedName, "lang-set" + std::to_string(c.exportedSet + 1) + ".bdf");

    open(copy);
    ASSERT_TRUE(session().ChooseSet(c.importedSet));
    importBdf(dir.path("general.bdf"), "0");
    ASSERT_EQ(prompts.textDialogs.back().initial, "0");  // the font is as high as the set
    EXPECT_EQ(prompts.texts().back(), "Imported general.bdf into set " + std::to_string(c.importedSet + 1) +
                                          ".\nGlyphs replaced: 159\nGlyphs the font lacked (kept as they were): 0");
    EXPECT_TRUE(session().LangModified());
    // The canvas shows the glyph imported.
    EXPECT_EQ(session().editor().GlyphWidth(), glyph(1, 0).Width);
    ASSERT_TRUE(session().SaveLang());
    EXPECT_EQ(dir.read(copy), dir.read(original));
}

INSTANTIATE_TEST_SUITE_P(Sets, SetExchangeRoundTrip, ::testing::Values(RoundTrip{1, 1}, RoundTrip{2, 2}));

TEST_F(SetExchangeTest, ATallerFontIsShiftedUpAndTheGlyphsItLacksStay) {
    open(writeLangpack("lang.smg", TypicalLangpack()));
    ASSERT_TRUE(session().ChooseSet(3));  // digits, height 10
    exportBdf(dir.path("digits.bdf"));
    const Symbols digitZero = glyph(3, 0);
    ASSERT_TRUE(session().ChooseSet(0));  // 0x20-0x7E, height 8
    const Symbols space = glyph(0, 0);

    importBdf(dir.path("digits.bdf"), "2");
    const Prompts::FileDialog& shown = prompts.fileDialogs.back();
    EXPECT_EQ(shown.title, "Import BDF into set");
    ASSERT_EQ(prompts.textDialogs.size(), 1u);
    EXPECT_EQ(prompts.textDialogs[0].initial, "2");
    EXPECT_NE(
        prompts.textDialogs[0].label.find("digits.bdf is 10 rows high (ascent 10, descent 0); set 1 is 8 rows high"),
        std::string::npos)
        << prompts.textDialogs[0].label;
    EXPECT_EQ(prompts.texts().back(),
              "Imported digits.bdf into set 1.\nGlyphs replaced: 10\nGlyphs the font lacked (kept as they were): 85");
    // '0' lost its two top rows; the space, which the font lacks, is as it was.
    const Symbols& zero = glyph(0, 0x30 - 0x20);
    EXPECT_EQ(zero.Width, digitZero.Width);
    EXPECT_EQ(zero.Data, std::vector<uint8_t>(digitZero.Data.begin() + 2, digitZero.Data.end()));
    EXPECT_EQ(glyph(0, 0).Data, space.Data);
}

TEST_F(SetExchangeTest, AnUnreadableFontOrAShiftOutOfRangeChangesNothing) {
    open(writeLangpack("lang.smg", TypicalLangpack()));
    ASSERT_TRUE(session().ChooseSet(1));
    exportBdf(dir.path("set.bdf"));
    const std::string text = dir.readText(dir.path("set.bdf"));
    const std::string cut = dir.write("cut.bdf", std::vector<uint8_t>(text.begin(), text.begin() + text.size() / 2));
    const TLangpack before = lp();

    prompts.openFiles.push_back(cut);
    SetExchange(session()).ImportBdfCommand();  // refused before any shift is asked
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].icon, Icon::Warning);
    EXPECT_EQ(prompts.shown[0].text.rfind("The font cannot be imported:\n" + cut + ":", 0), 0u)
        << prompts.shown[0].text;
    EXPECT_NE(prompts.shown[0].text.find("line"), std::string::npos) << prompts.shown[0].text;

    // A shift beyond the font is asked again; Cancel then ends the import.
    prompts.clear();
    prompts.openFiles.push_back(dir.path("set.bdf"));
    prompts.textAnswers = {"13", std::nullopt};
    SetExchange(session()).ImportBdfCommand();
    EXPECT_EQ(prompts.texts(), std::vector<std::string>{"The shift must be a whole number from -12 to 12."});
    EXPECT_EQ(prompts.textDialogs.back().initial, "13");

    EXPECT_FALSE(session().LangModified());
    for (std::size_t k = 0; k < before.SymbolTable.size(); ++k)
        for (std::size_t g = 0; g < before.SymbolTable[k].size(); ++g) {
            EXPECT_EQ(lp().SymbolTable[k][g].Width, before.SymbolTable[k][g].Width);
            EXPECT_EQ(lp().SymbolTable[k][g].Data, before.SymbolTable[k][g].Data);
        }
}

TEST_F(SetExchangeTest, CancelAtSaveTheCurrentSymbolAsksNothingMore) {
    open(writeLangpack("lang.smg", TypicalLangpack()));
    drawPixel();
    const MonoImage drawn = session().editor().CanvasImage();
    for (void (SetExchange::*command)() :
         {&SetExchange::ImportBdfCommand, &SetExchange::ExportBdfCommand, &SetExchange::ExportPngCommand}) {
        prompts.answers.push_back(Answer::Cancel);
        SetExchange exchange(session());
        (exchange.*command)();
    }
    EXPECT_EQ(prompts.texts(), std::vector<std::string>(3, "Save the current symbol?"));
    EXPECT_EQ(prompts.fileDialogs.size(), 1u);  // the open of the fixture
    EXPECT_TRUE(prompts.textDialogs.empty());
    EXPECT_TRUE(session().editor().ImageModified());
    EXPECT_EQ(session().editor().CanvasImage(), drawn);
}

TEST_F(SetExchangeTest, PngSheetAsksTheScaleAndNamesTheFileItCannotWrite) {
    open(writeLangpack("lang.smg", TypicalLangpack()));
    ASSERT_TRUE(session().ChooseSet(3));
    prompts.textAnswers = {"zero", "3"};
    prompts.saveFiles.push_back(dir.path("no/such/folder/sheet"));
    SetExchange(session()).ExportPngCommand();
    ASSERT_EQ(prompts.textDialogs.size(), 2u);
    EXPECT_EQ(prompts.textDialogs[0].initial, "4");
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(prompts.shown[0].text, "The scale must be a whole number from 1 to 64.");
    EXPECT_EQ(prompts.shown[1].icon, Icon::Error);
    EXPECT_EQ(prompts.shown[1].text.rfind(
                  "The set could not be exported to " + dir.path("no/such/folder/sheet.png") + ":\n", 0),
              0u)
        << prompts.shown[1].text;

    prompts.clear();
    prompts.textAnswers = {" 3 "};
    prompts.saveFiles.push_back(dir.path("sheet.png"));
    SetExchange(session()).ExportPngCommand();
    EXPECT_TRUE(prompts.shown.empty());
    // Ten digits of width 6 and height 10 at scale 3: one row of ten cells 18 x 30 and the grid lines.
    const std::vector<uint8_t> png = dir.read(dir.path("sheet.png"));
    ASSERT_GT(png.size(), 24u);
    const auto word = [&](std::size_t at) {
        return png[at] << 24 | png[at + 1] << 16 | png[at + 2] << 8 | png[at + 3];
    };
    EXPECT_EQ(word(16), 10 * 19 + 1);
    EXPECT_EQ(word(20), 30 + 2);
}

// Set 2 is 12 rows high.
TEST_F(SetExchangeTest, TheBaselineGuideGivesTheDescentAndWithoutOneTheSaveDialogAsksIt) {
    open(writeLangpack("lang.smg", TypicalLangpack()));
    ASSERT_TRUE(session().ChooseSet(1));
    prompts.saveFiles = {dir.path("guided.bdf"), dir.path("asked.bdf")};
    SetExchange(session()).ExportBdfWithBaseline(9);
    EXPECT_TRUE(prompts.numberFields.empty());
    prompts.numbers.push_back(3);
    SetExchange(session()).ExportBdfWithBaseline(12);  // a row the set no longer has
    ASSERT_EQ(prompts.numberFields.size(), 1u);
    EXPECT_EQ(prompts.numberFields[0].value, 0);
    EXPECT_EQ(prompts.numberFields[0].max, 12);
    auto has = [this](const char* file, const char* lines) {
        return dir.readText(dir.path(file)).find(lines) != std::string::npos;
    };
    EXPECT_TRUE(has("guided.bdf", "FONT_ASCENT 10\nFONT_DESCENT 2\n"));
    EXPECT_TRUE(has("asked.bdf", "FONT_ASCENT 9\nFONT_DESCENT 3\n"));
}

}  // namespace
}  // namespace glyphora::testing
