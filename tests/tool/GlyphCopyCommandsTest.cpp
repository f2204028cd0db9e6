// copy-glyphs and diff on files: a copy from a langpack or from a flash file
// (which is only read; nothing is written beside it), refusals that leave the
// file byte-identical, and diff's lines and exit statuses.
#include "ToolTestSupport.h"

#include <ShxBuilder.h>

#include <gtest/gtest.h>

#include <filesystem>

namespace glyphora::testing {
namespace {

using fixtures::RepaintedTypicalLangpack;
using fixtures::TypicalLangpack;

TEST(GlyphCopyCommands, CopyGlyphsTakesTheOtherSetsGlyphsOrRefusesLeavingTheFile) {
    TempFolder dir;
    const std::string path = dir.path("lang.smg");
    const std::string other = dir.path("other.smg");
    WriteBytes(path, fixtures::BuildLangpack(TypicalLangpack()).Bytes);
    WriteBytes(other, fixtures::BuildLangpack(RepaintedTypicalLangpack()).Bytes);
    fixtures::ShxBuilder shx;
    shx.codeGroup(1, 0x10000000, fixtures::PatternBytes(100));
    shx.codeGroup(4, 0x10400000, fixtures::BuildLangpack(RepaintedTypicalLangpack()).Bytes);
    const std::string flash = dir.path("phone.shx");
    WriteBytes(flash, shx.bytes());

    const std::vector<uint8_t> before = ReadBytes(path);
    const struct {
        std::vector<std::string> args;
        std::string message;
    } refusals[] = {
        {{"--set", "3", "--source", other, "--source-set", "2"}, "saved from them"},
        {{"--set", "1", "--source", other, "--source-set", "9"}, "there is no set 9"},
        {{"--set", "1", "--source", dir.path("none.smg"), "--source-set", "1"}, "none.smg"},
        {{"--set", "1", "--source", other, "--source-set", "2", "--from", "0x50"}, "--to is missing"},
    };
    for (const auto& c : refusals) {
        std::vector<std::string> args = {"copy-glyphs", path};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const RunResult r = Tool(args);
        EXPECT_NE(r.exitCode, 0) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(ReadBytes(path), before) << c.message;
    }

    RunResult r = Tool({"copy-glyphs", path, "--set", "2", "--source", flash, "--source-set", "2", "--from", "U+0400",
                        "--to", "U+04FF"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "copied 64, added 0, skipped 0\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.root()), {}), 3) << "nothing beside the flash file";
    r = Tool({"copy-glyphs", path, "--set", "1", "--source", other, "--source-set", "2", "--add-missing"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "copied 95, added 64, skipped 0\n");
    EXPECT_NE(r.err.find("149 glyphs lost ink outside the set's 8 rows"), std::string::npos) << r.err;
}

TEST(GlyphCopyCommands, DiffPrintsALineForEachDifferenceAndExitsByTheOutcome) {
    TempFolder dir;
    const std::string a = dir.path("a.smg");
    const std::string b = dir.path("b.smg");
    WriteBytes(a, fixtures::BuildLangpack(TypicalLangpack()).Bytes);
    WriteBytes(b, fixtures::BuildLangpack(TypicalLangpack()).Bytes);
    RunResult r = Tool({"diff", a, b});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "");

    ASSERT_EQ(Tool({"add-chars", b, "--set", "4", "--from", "0x41", "--to", "0x41", "--width", "3"}).exitCode, 0);
    r = Tool({"diff", a, b, "--set", "4"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "set 4 U+0041: only in B\n");
    EXPECT_EQ(Tool({"diff", a, b, "--set", "1"}).exitCode, 0);

    r = Tool({"diff", a, dir.path("none.smg")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("none.smg"), std::string::npos) << r.err;
    EXPECT_EQ(Tool({"diff", a}).exitCode, 2);
}

}  // namespace
}  // namespace glyphora::testing
