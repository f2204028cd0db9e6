// "Export in bitmap" and "Import from bitmap" as the window wires them: the
// exported file as other readers see it, and pictures of every common kind
// that ImageMagick writes floated onto a glyph.
#include "GuiFixture.h"

#include <BmpFormat.h>
#include <BmpReader.h>
#include <ImageConvert.h>
#include <ImageMagick.h>
#include <Picture.h>
#include <ToolPalette.h>

#include <QImage>

namespace glyphora::testing {
namespace {

using fixtures::TypicalLangpack;

class BitmapCommandsTest : public GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        open(writeLangpack("lang.smg", TypicalLangpack()));
    }
    GlyphEditor& editor() { return window().editor(); }
    void importFile(const QString& file) {
        boxes_->openFiles.push_back(file.toStdString());
        window().action(Command::ImportBitmap)->trigger();
    }
};

// Glyphs 5 and 10 pixels wide: the file is 8 and 16 pixels wide, 1 bit deep.
TEST_F(BitmapCommandsTest, TheExportIsAOneBitBmpOfTheWidthInWholeBytes) {
    struct Case {
        int set, glyph;
        QString identified;
    } cases[] = {{0, 0, "1 8 8"}, {1, 6, "1 16 12"}};
    for (const Case& c : cases) {
        chooseSet(c.set);
        chooseGlyph(c.glyph);
        SCOPED_TRACE(c.identified.toStdString());
        const QString chosen = path(QStringLiteral("glyph%1").arg(c.set));
        boxes_->saveFiles.push_back(chosen.toStdString());
        window().action(Command::ExportBitmap)->trigger();
        EXPECT_TRUE(boxes_->shown.empty());

        const QImage read(chosen + ".bmp");
        ASSERT_FALSE(read.isNull());
        EXPECT_EQ(read.depth(), 1);
        EXPECT_EQ(fromQImage(read), editor().EditImage());
        if (test::HaveImageMagick()) {
            const std::string identified = test::Run("identify -format '%z %w %h' '" + chosen.toStdString() + ".bmp'");
            EXPECT_EQ(QString::fromStdString(identified), c.identified);
        }
    }
    EXPECT_FALSE(editor().ImageModified());
    EXPECT_FALSE(session().LangModified());
}

// A 20 x 20 picture in black, white and colours onto a glyph of 10 x 12:
// whatever kind of file holds it, the glyph shows its top-left 10 x 12
// pixels, navy and black as ink, yellow and white as paper.
TEST_F(BitmapCommandsTest, ImportFloatsEveryKindOfPictureCutToTheGlyph) {
    GLYPHORA_NEED_IMAGEMAGICK();
    chooseSet(1);
    chooseGlyph(6);
    ASSERT_EQ(editor().GlyphWidth(), 10);
    // Many colours right of the glyph, so the palette kinds need 8 bits.
    const std::string picture =
        "-size 20x20 xc:white +antialias -fill navy -draw 'rectangle 0,6 3,11' -fill yellow -draw 'rectangle 5,0 9,3' "
        "-fill black -draw 'line 0,0 19,19' \\( -size 8x20 gradient:red-blue \\) -geometry +12+0 -composite";
    MonoImage expected(10, 12);
    for (int k = 0; k < 10; ++k) expected.setPixel(k, k, Pixel::Ink);
    for (int y = 6; y < 12; ++y)
        for (int x = 0; x < 4; ++x) expected.setPixel(x, y, Pixel::Ink);

    struct Kind {
        const char* name;
        std::string options;
        int bits;  // 0: not a BMP
        bool topDown = false;
    } kinds[] = {
        {"1 bit", "-colorspace gray -threshold 50% -type bilevel BMP3:", 1},  // not dithered
        {"4 bits", "-colors 16 -type palette BMP3:", 4},
        {"8 bits", "-colors 60 -type palette -compress None BMP3:", 8},
        {"RLE8", "-colors 60 -type palette -compress RLE BMP3:", 8},
        {"24 bits", "-type truecolor BMP3:", 24},
        {"24 bits, top-down", "-type truecolor BMP3:", 24, true},
        {"32 bits", "-define bmp3:alpha=true BMP3:", 32},
        {"32 bits, V5 header", "-alpha on BMP:", 32},
        {"PNG", "PNG:", 0},
    };
    const MonoImage before = editor().EditImage();
    for (const Kind& k : kinds) {
        SCOPED_TRACE(k.name);
        const QString name = QStringLiteral("picture-%1").arg(&k - kinds);
        const QString file = path(name);
        test::Run("convert " + picture + " " + k.options + "'" + file.toStdString() + "'");
        std::vector<uint8_t> bytes = readBytes(file);
        if (k.bits > 0) {
            const Result<BmpHeader> header = ReadBmpHeader(bytes);
            ASSERT_TRUE(header) << header.error().message;
            ASSERT_EQ(header->bitsPerPixel, k.bits);
        }
        if (k.topDown) {
            // ImageMagick writes bottom-up only: the rows turned over, the height negated.
            const std::size_t offset = bmp::LoadLE32(&bytes[10]), stride = 60;  // 20 pixels of 3 bytes
            std::vector<uint8_t> turned(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
            for (int y = 19; y >= 0; --y)
                turned.insert(turned.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset + stride * y),
                              bytes.begin() + static_cast<std::ptrdiff_t>(offset + stride * (y + 1)));
            bmp::StoreLE32(&turned[22], static_cast<uint32_t>(-20));
            writeFile(name, turned);
        }
        importFile(file);
        EXPECT_TRUE(boxes_->shown.empty()) << texts().join("\n").toStdString();
        boxes_->clear();
        EXPECT_EQ(window().statusText(2), "Select: 10x12");
        EXPECT_EQ(window().toolPalette()->currentTool(), Tool::Selection);
        editor().FalseGoBegin();
        EXPECT_EQ(test::show(editor().EditImage().copy(0, 0, 10, 12)), test::show(expected));
        window().action(Command::Undo)->trigger();
        EXPECT_EQ(editor().EditImage(), before);
    }

    // Neither a BMP nor a picture the toolkit reads: the file is named, nothing is placed.
    const QString notes = writeText("notes.png", "no picture here");
    importFile(notes);
    ASSERT_EQ(texts().size(), 1);
    EXPECT_TRUE(texts()[0].contains(notes)) << texts()[0].toStdString();
    EXPECT_FALSE(editor().SelectionActive());
    EXPECT_EQ(editor().EditImage(), before);
}

}  // namespace
}  // namespace glyphora::testing
