// "transform" and "import-png" on the fixture: a flip done twice and a sheet
// read back unchanged leave the same bytes; a sheet of an edited copy carries
// its edits over; a picture of another set and an unknown transform are refused.
#include "ToolTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace glyphora::testing {
namespace {

using fixtures::TypicalLangpack;

TEST(TransformCommand, TransformsARangeAsOneEditAndNamesTheInkDropped) {
    TempFolder dir;
    const std::string path = dir.path("lang.smg");
    WriteBytes(path, fixtures::BuildLangpack(TypicalLangpack()).Bytes);
    const std::vector<uint8_t> original = ReadBytes(path);

    RunResult r = Tool({"transform", path, "--set", "2", "--from", "0", "--to", "158", "--op", "flip-h"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(ReadBytes(path), original);
    r = Tool({"transform", path, "--set", "2", "--from", "0", "--to", "158", "--op", "flip-h"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(ReadBytes(path), original);

    r = Tool({"transform", path, "--set", "2", "--from", "33", "--to", "34", "--op", "invert"});
    EXPECT_EQ(r.out, "2 of 2 glyphs changed\n");
    r = Tool({"transform", path, "--set", "2", "--from", "33", "--to", "34", "--op", "oblique"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, path + ": Oblique: ink left 2 glyphs and was dropped: U+0041, U+0042.\n");

    const std::vector<uint8_t> before = ReadBytes(path);
    r = Tool({"transform", path, "--set", "2", "--from", "0", "--to", "1", "--op", "spin"});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_NE(r.err.find("--op must be one of flip-h|flip-v|rotate-180|invert|shift-up|shift-down|bold|oblique"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(ReadBytes(path), before);
}

TEST(ImportPngCommand, ASheetReadBackChangesOnlyWhatWasEdited) {
    TempFolder dir;
    const std::string path = dir.path("lang.smg");
    const std::string edited = dir.path("edited.smg");
    WriteBytes(path, fixtures::BuildLangpack(TypicalLangpack()).Bytes);
    WriteBytes(edited, ReadBytes(path));
    const std::vector<uint8_t> original = ReadBytes(path);
    const auto written = std::filesystem::last_write_time(path);

    const std::string sheet = dir.path("set2.png");
    ASSERT_EQ(Tool({"export-png", path, "--set", "2", "--out", sheet}).exitCode, 0);
    RunResult r = Tool({"import-png", path, "--set", "2", "--in", sheet});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "changed 0, scale 4\n");
    EXPECT_EQ(ReadBytes(path), original);
    EXPECT_EQ(std::filesystem::last_write_time(path), written);

    // Another set's sheet: what the set needs and what the picture holds are said.
    r = Tool({"import-png", path, "--set", "1", "--in", sheet});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_NE(r.err.find("the picture is not a sheet of set 1: that set has 16 x 6 cells"), std::string::npos) << r.err;
    EXPECT_EQ(ReadBytes(path), original);

    // The sheet of an edited copy, at a scale of its own, makes the file that copy.
    ASSERT_EQ(Tool({"transform", edited, "--set", "2", "--from", "0", "--to", "40", "--op", "invert"}).exitCode, 0);
    ASSERT_EQ(Tool({"export-png", edited, "--set", "2", "--out", sheet, "--scale", "2"}).exitCode, 0);
    r = Tool({"import-png", path, "--set", "2", "--in", sheet, "--scale", "2"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "changed 41, scale 2\n");
    EXPECT_EQ(ReadBytes(path), ReadBytes(edited));
}

}  // namespace
}  // namespace glyphora::testing
