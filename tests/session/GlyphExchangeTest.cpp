// One glyph exchanged with BMP files through the session: the export's file
// name, and the files and glyphs that must change nothing. What the window
// shows of an export and an import is tested with the window.
#include "SessionFixture.h"

#include <GlyphExchange.h>

#include <BmpWriter.h>

namespace glyphora::testing {
namespace {

using fixtures::TypicalLangpack;

// A diagonal of ink over a w x h picture: every pixel tells where it came from.
MonoImage Diagonal(int w, int h) {
    MonoImage image(w, h);
    for (int k = 0; k < std::min(w, h); ++k) image.setPixel(k, k, Pixel::Ink);
    return image;
}

class GlyphExchangeTest : public SessionTest {
protected:
    void SetUp() override { open(writeLangpack("lang.smg", spec())); }
    virtual fixtures::LangpackSpec spec() { return TypicalLangpack(); }

    GlyphExchange exchange() { return GlyphExchange(session(), reader); }

    BmpPictureReader reader;
};

TEST(BmpExportName, AddsTheExtensionOnlyToANameWithout) {
    const std::pair<std::string, std::string> cases[] = {
        {"a", "a.bmp"}, {"a.txt", "a.txt"},           {"/tmp/a.BMP", "/tmp/a.BMP"}, {"dir.v2/a", "dir.v2/a.bmp"},
        {"a.", "a."},   {"/x/.hidden", "/x/.hidden"},
    };
    for (const auto& [chosen, written] : cases) EXPECT_EQ(BmpExportName(chosen), written) << chosen;
}

TEST_F(GlyphExchangeTest, AWriteErrorNamesTheFileAndChangesNothing) {
    const std::string path = dir.path("no-such-folder/a.bmp");
    prompts.saveFiles = {path};
    exchange().ExportInBitmap();
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].icon, Icon::Error);
    EXPECT_NE(prompts.shown[0].text.find(path), std::string::npos) << prompts.shown[0].text;
    EXPECT_FALSE(session().editor().ImageModified());
    EXPECT_FALSE(session().LangModified());
}

// Read first, then place: a picture that cannot be read leaves the glyph,
// the snapshot, both modified flags and the tool as they were.
TEST_F(GlyphExchangeTest, AnUnreadablePictureNamesTheFileAndChangesNothing) {
    std::vector<uint8_t> truncated = WriteMonoBmp(Diagonal(8, 8));
    truncated.resize(truncated.size() - 5);
    const std::string files[] = {
        dir.write("truncated.bmp", truncated),
        dir.write("text.bmp", std::vector<uint8_t>{'h', 'e', 'l', 'l', 'o'}),
        dir.path("missing.bmp"),
    };
    GlyphEditor& e = session().editor();
    const MonoImage before = e.CanvasImage();
    for (const std::string& file : files) {
        prompts.clear();
        prompts.openFiles = {file};
        exchange().ImportFromBitmap();
        ASSERT_EQ(prompts.shown.size(), 1u) << file;
        EXPECT_EQ(prompts.shown[0].icon, Icon::Error);
        EXPECT_NE(prompts.shown[0].text.find(file), std::string::npos) << prompts.shown[0].text;
        EXPECT_EQ(e.CanvasImage(), before) << file;
        EXPECT_FALSE(e.ImageModified()) << file;
        EXPECT_FALSE(session().LangModified()) << file;
        EXPECT_FALSE(e.UndoAvailable()) << file;
        EXPECT_FALSE(e.SelectionActive()) << file;
        EXPECT_EQ(e.tool(), Tool::Pencil) << file;
    }
}

class ZeroWidthGlyphTest : public GlyphExchangeTest {
protected:
    fixtures::LangpackSpec spec() override {
        fixtures::LangpackSpec s = TypicalLangpack();
        s.Sets[0].Glyphs[0] = fixtures::GlyphSpec{0, std::vector<uint8_t>(8, 0)};
        return s;
    }
};

// No room, no selection: the user is told instead of getting a selection of 0 x 8.
TEST_F(ZeroWidthGlyphTest, NothingIsPlacedOrExportedAndTheUserIsTold) {
    GlyphEditor& e = session().editor();
    ASSERT_EQ(e.GlyphWidth(), 0);
    exchange().ImportFromBitmap();  // no dialog is asked for
    exchange().ExportInBitmap();
    EXPECT_FALSE(PicturePlacement(session()).Place(Diagonal(4, 4)));
    ASSERT_EQ(prompts.shown.size(), 3u);
    EXPECT_EQ(prompts.shown[0].text,
              "The current symbol is 0x8 pixels: there is no room for a picture. Give it a width first.");
    EXPECT_EQ(prompts.shown[1].text, "The current symbol is 0x8 pixels: there is nothing to export.");
    EXPECT_FALSE(e.SelectionActive());
    EXPECT_FALSE(e.ImageModified());
    EXPECT_FALSE(e.UndoAvailable());
}

// A file dropped on the window: a picture goes onto the glyph shown as Import
// from bitmap puts it; with no glyph shown it is refused, saying so; any other
// file is opened.
TEST_F(SessionTest, ADroppedPictureIsImportedOntoTheGlyphShownOrRefused) {
    struct Case {
        const char* name;
        bool langpackOpen;
        std::string dropped;
        bool placed;
        bool told;
    };
    ASSERT_TRUE(WriteGlyphBmp(dir.path("pic.BMP"), Diagonal(4, 4)).has_value());
    const Case cases[] = {
        {"picture on a glyph", true, dir.path("pic.BMP"), true, false},
        {"picture without a glyph", false, dir.path("pic.BMP"), false, true},
        {"langpack", false, writeLangpack("other.smg", TypicalLangpack()), false, false},
    };
    const BmpPictureReader reader;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        session_.reset();
        if (c.langpackOpen) open(writeLangpack("lang.smg", TypicalLangpack()));
        prompts.clear();
        GlyphExchange(session(), reader).OpenDroppedFile(c.dropped);
        EXPECT_EQ(session().editor().SelectionActive(), c.placed);
        EXPECT_EQ(session().editor().ImageModified(), c.placed);
        ASSERT_EQ(prompts.shown.size(), c.told ? 1u : 0u);
        if (c.told) {
            EXPECT_EQ(prompts.shown[0].text, "The picture " + c.dropped +
                                                 " was not imported: open a langpack and choose a glyph to put it "
                                                 "on first.");
        }
        if (!c.langpackOpen && !c.told) {
            EXPECT_EQ(session().CurrentFileName(), c.dropped);
        }
    }
}

}  // namespace
}  // namespace glyphora::testing
