// "export-bdf", "import-bdf" and "export-png" on the fixture, read back with
// "dump" and, for the picture, ImageMagick's identify.
#include "ToolTestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace glyphora::testing {
namespace {

using fixtures::RepaintedTypicalLangpack;
using fixtures::TypicalLangpack;

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(SetExchange, ExportedSetImportedIntoARepaintedCopyGivesTheFileBack) {
    TempFolder dir;
    const std::string original = dir.path("lang.smg");
    const std::string copy = dir.path("copy.smg");
    WriteBytes(original, fixtures::BuildLangpack(TypicalLangpack()).Bytes);
    WriteBytes(copy, fixtures::BuildLangpack(RepaintedTypicalLangpack()).Bytes);

    const std::string bdf = dir.path("set2.bdf");
    RunResult r = Tool({"export-bdf", original, "--set", "2", "--out", bdf, "--descent", "2"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string text = ReadText(bdf);
    for (const char* line : {"FONT lang-set2\n", "FONT_ASCENT 10\n", "FONT_DESCENT 2\n", "CHARS 159\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;

    // The font's 10 + 2 rows fit the set's 12: no shift by default.
    r = Tool({"import-bdf", copy, "--set", "2", "--in", bdf});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "replaced 159, lacked 0, shift 0\n");
    EXPECT_EQ(r.err, "");
    ExpectSameJson(DumpOf(copy), DumpOf(original));
    EXPECT_EQ(ReadBytes(copy), ReadBytes(original));

    // What an import cuts is named on stderr, and the import is done.
    const std::string wide = dir.path("wide.bdf");
    const std::string font =
        "STARTFONT 2.1\nFONT w\nSIZE 12 72 72\nFONTBOUNDINGBOX 16 1 0 0\nCHARS 1\n"
        "STARTCHAR space\nENCODING 32\nDWIDTH 16 0\nBBX 16 1 0 0\nBITMAP\nFFFF\nENDCHAR\nENDFONT\n";
    WriteBytes(wide, std::vector<uint8_t>(font.begin(), font.end()));
    r = Tool({"import-bdf", copy, "--set", "2", "--in", wide});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, copy + ": 1 glyph wider than 15 columns was cut to 15: U+0020\n");
}

TEST(SetExchange, RefusalsLeaveTheLangpackAsItWas) {
    TempFolder dir;
    const std::string path = dir.path("lang.smg");
    WriteBytes(path, fixtures::BuildLangpack(TypicalLangpack()).Bytes);
    const std::string bdf = dir.path("set4.bdf");
    ASSERT_EQ(Tool({"export-bdf", path, "--set", "4", "--out", bdf}).exitCode, 0);
    const std::string text = ReadText(bdf);
    const std::string cut = dir.path("cut.bdf");
    WriteBytes(cut, std::vector<uint8_t>(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(text.size() / 2)));
    const std::vector<uint8_t> before = ReadBytes(path);

    struct Case {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"import-bdf", path, "--set", "3", "--in", bdf}, "set 3 shows the glyphs of set 2"},
        {{"import-bdf", path, "--set", "1", "--in", cut}, cut + ":"},
        {{"import-bdf", path, "--set", "1", "--in", bdf, "--shift", "11"},
         "--shift must be a whole number from -8 to 10"},
        {{"import-bdf", path, "--set", "9", "--in", bdf}, "there is no set 9"},
        {{"export-png", path, "--set", "2", "--out", dir.path("x.png"), "--scale", "65"}, "--scale must be"},
        {{"export-bdf", path, "--set", "2", "--out", dir.path("no/such/x.bdf")}, dir.path("no/such/x.bdf")},
    };
    for (const Case& c : cases) {
        const RunResult r = Tool(c.args);
        EXPECT_NE(r.exitCode, 0) << c.args[0] << " " << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(ReadBytes(path), before) << c.message;
    }
    EXPECT_EQ(Tool({"import-bdf", path, "--set", "1", "--in", bdf, "--shift", "2"}).out,
              "replaced 10, lacked 85, shift 2\n");
}

TEST(SetExchange, PngSheetHasTheSizeOfSixteenCellsARow) {
    if (RunProgram("/bin/sh", {"-c", "command -v identify"}).exitCode != 0)
        GTEST_SKIP() << "identify is missing (Debian package imagemagick)";
    TempFolder dir;
    const std::string path = dir.path("lang.smg");
    WriteBytes(path, fixtures::BuildLangpack(TypicalLangpack()).Bytes);
    // Set 2: 159 glyphs in 10 rows, cells of the widest glyph (10) by the height (12), grid lines between.
    struct Case {
        std::vector<std::string> scale;
        std::string size;
    } cases[] = {{{}, "657x491"}, {{"--scale", "2"}, "337x251"}};
    for (const Case& c : cases) {
        const std::string png = dir.path("sheet.png");
        std::vector<std::string> args = {"export-png", path, "--set", "2", "--out", png};
        args.insert(args.end(), c.scale.begin(), c.scale.end());
        const RunResult r = Tool(args);
        ASSERT_EQ(r.exitCode, 0) << r.err;
        const RunResult id = RunProgram("/bin/sh", {"-c", "identify -format '%m %wx%h %[channels]' \"$0\"", png});
        EXPECT_EQ(id.out, "PNG " + c.size + " gray") << id.err;
    }
}

}  // namespace
}  // namespace glyphora::testing
