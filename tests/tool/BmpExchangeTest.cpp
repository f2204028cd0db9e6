// "export-bmp" and "import-bmp": a glyph out to a BMP and into another glyph
// gives the same rows; whatever cannot be done leaves the langpack untouched.
#include "ToolTestSupport.h"

#include <gtest/gtest.h>
#include <QJsonArray>

#include <cstdlib>

namespace glyphora::testing {
namespace {

QJsonObject GlyphOf(const QJsonObject& dump, int set, int index) {
    return dump["sets"].toArray()[set - 1].toObject()["glyphs"].toArray()[index].toObject();
}

// Set 2's widths run 4 to 10 over and over: glyphs 10 and 17 are both 7 pixels wide.
TEST(BmpExchange, AGlyphExportedAndImportedIntoAnotherHasTheSameRows) {
    TempFolder dir;
    const std::string lp = dir.path("lp.smg"), bmp = dir.path("glyph.bmp");
    WriteBytes(lp, fixtures::BuildLangpack(fixtures::TypicalLangpack()).Bytes);
    const QJsonObject before = DumpOf(lp);
    ASSERT_EQ(GlyphOf(before, 2, 10)["width"], 7);
    ASSERT_EQ(GlyphOf(before, 2, 17)["width"], 7);
    ASSERT_NE(GlyphOf(before, 2, 17)["data"], GlyphOf(before, 2, 10)["data"]);

    RunResult r = Tool({"export-bmp", lp, "--set", "2", "--index", "10", "--out", bmp});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    if (std::system("command -v identify >/dev/null 2>&1") == 0) {
        const RunResult id = RunProgram("/bin/sh", {"-c", "identify -format '%z %w %h' '" + bmp + "'"});
        EXPECT_EQ(id.out, "1 8 12");
    }
    r = Tool({"import-bmp", lp, "--set", "2", "--index", "17", "--in", bmp});
    ASSERT_EQ(r.exitCode, 0) << r.err;

    const QJsonObject after = DumpOf(lp);
    for (int set : {2, 3}) {  // set 3 is saved from set 2
        EXPECT_EQ(GlyphOf(after, set, 17)["data"], GlyphOf(before, 2, 10)["data"]) << "set " << set;
        EXPECT_EQ(GlyphOf(after, set, 17)["width"], 7) << "set " << set;
    }
    EXPECT_EQ(GlyphOf(after, 2, 16), GlyphOf(before, 2, 16));
}

TEST(BmpExchange, RefusalsSayWhyAndLeaveTheLangpackAsItWas) {
    TempFolder dir;
    fixtures::LangpackSpec spec = fixtures::TypicalLangpack();
    spec.Sets[0].Glyphs[0] = fixtures::GlyphSpec{0, std::vector<uint8_t>(8, 0)};
    const std::string lp = dir.path("lp.smg"), bmp = dir.path("glyph.bmp"), cut = dir.path("cut.bmp");
    WriteBytes(lp, fixtures::BuildLangpack(spec).Bytes);
    ASSERT_EQ(Tool({"export-bmp", lp, "--set", "2", "--index", "3", "--out", bmp}).exitCode, 0);
    std::vector<uint8_t> truncated = ReadBytes(bmp);
    truncated.resize(truncated.size() - 7);  // into the pixels, not only the padding
    WriteBytes(cut, truncated);
    const std::vector<uint8_t> original = ReadBytes(lp);

    struct Case {
        std::vector<std::string> args;
        std::string said;
    } cases[] = {
        {{"import-bmp", lp, "--set", "3", "--index", "3", "--in", bmp}, "change set 2 instead"},
        {{"import-bmp", lp, "--set", "2", "--index", "3", "--in", cut}, "cannot read '" + cut + "'"},
        {{"import-bmp", lp, "--set", "1", "--index", "0", "--in", bmp}, "0x8 pixels: there is no room"},
        {{"export-bmp", lp, "--set", "1", "--index", "0", "--out", dir.path("x.bmp")}, "0x8 pixels: there is nothing"},
        {{"import-bmp", lp, "--set", "2", "--index", "3"}, "--in is missing"},
    };
    for (const Case& c : cases) {
        const RunResult r = Tool(c.args);
        EXPECT_EQ(r.exitCode, 1) << c.said;
        EXPECT_NE(r.err.find(c.said), std::string::npos) << r.err;
        EXPECT_TRUE(ReadBytes(lp) == original) << c.said;
    }
    EXPECT_EQ(dir.entries().size(), 3u);  // no x.bmp
}

}  // namespace
}  // namespace glyphora::testing
