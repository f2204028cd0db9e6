// add-chars, remove-chars and import-bdf --add-missing on files: a refusal
// exits non-zero and leaves the file byte-identical; export and import with
// the characters added back gives the same glyphs.
#include "ToolTestSupport.h"

#include <gtest/gtest.h>

#include <QJsonArray>

namespace glyphora::testing {
namespace {

using fixtures::TypicalLangpack;

TEST(CharacterCommands, RefusalsLeaveTheFileByteIdentical) {
    TempFolder dir;
    const std::string path = dir.path("lang.smg");
    WriteBytes(path, fixtures::BuildLangpack(TypicalLangpack()).Bytes);
    fixtures::LangpackSpec middleSpec = TypicalLangpack();
    middleSpec.ITapAfterSetTable = true;
    const std::string middle = dir.path("middle.smg");
    WriteBytes(middle, fixtures::BuildLangpack(middleSpec).Bytes);

    struct Case {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"add-chars", path, "--set", "3", "--from", "0x100", "--to", "0x101", "--width", "6"},
         "change the characters of set 2"},
        {{"add-chars", path, "--set", "1", "--from", "U+0101", "--to", "U+0100", "--width", "6"}, "reversed"},
        {{"add-chars", path, "--set", "1", "--from", "256", "--to", "0x500", "--width", "6"}, "glyphs; a set holds"},
        {{"add-chars", path, "--set", "1", "--from", "0x100", "--to", "0x101", "--width", "0"}, "--width"},
        {{"add-chars", path, "--set", "1", "--from", "zz", "--to", "0x101", "--width", "6"}, "--from"},
        {{"remove-chars", path, "--set", "4", "--from", "0", "--to", "0xFFFF"}, "no characters left"},
        {{"add-chars", middle, "--set", "1", "--from", "0x100", "--to", "0x101", "--width", "6"},
         "in the middle of the langpack: it would need"},
    };
    const std::vector<uint8_t> before = ReadBytes(path);
    const std::vector<uint8_t> middleBefore = ReadBytes(middle);
    for (const Case& c : cases) {
        const RunResult r = Tool(c.args);
        EXPECT_NE(r.exitCode, 0) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(ReadBytes(path), before) << c.message;
        EXPECT_EQ(ReadBytes(middle), middleBefore) << c.message;
    }
}

// --block and --codes name the characters as "Characters of the set…" does;
// each run starts again from the fixture's set 1 (U+0020–U+007E).
TEST(CharacterCommands, BlockAndCodeListAddTheirCharacters) {
    TempFolder dir;
    const std::string path = dir.path("lang.smg");
    const std::vector<uint8_t> original = fixtures::BuildLangpack(TypicalLangpack()).Bytes;
    struct Case {
        std::vector<std::string> chars;
        int exitCode;
        std::string output;  // stdout on success, a part of stderr otherwise
    } cases[] = {
        {{"--block", "russian"}, 0, "added 66, skipped 0; set 1 has 161 glyphs in 4 intervals\n"},
        {{"--codes", "U+0401 U+0451"}, 0, "added 2, skipped 0; set 1 has 97 glyphs in 3 intervals\n"},
        {{"--codes", "\u0410\u2013\u044F, \u0401, A"}, 0, "added 65, skipped 1;"},
        {{"--block", "Klingon"}, 1, "no block named 'Klingon'"},
        {{"--codes", "U+0401, zz"}, 1, "\"zz\" is not"},
        {{"--block", "Russian", "--from", "0x100", "--to", "0x101"}, 1, "Give the characters once"},
        {{}, 1, "Give the characters once"},
    };
    for (const Case& c : cases) {
        WriteBytes(path, original);
        std::vector<std::string> args = {"add-chars", path, "--set", "1", "--width", "6"};
        args.insert(args.end(), c.chars.begin(), c.chars.end());
        const RunResult r = Tool(args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.output << r.err;
        if (c.exitCode == 0) {
            EXPECT_EQ(r.out.substr(0, c.output.size()), c.output);
        } else {
            EXPECT_NE(r.err.find(c.output), std::string::npos) << r.err;
            EXPECT_EQ(ReadBytes(path), original) << c.output;
        }
    }
    WriteBytes(path, original);
    ASSERT_EQ(Tool({"add-chars", path, "--set", "1", "--block", "Russian", "--width", "6"}).exitCode, 0);
    const QJsonArray glyphs = DumpOf(path)["sets"].toArray()[0].toObject()["glyphs"].toArray();
    std::vector<int> codes;
    for (const auto& g : glyphs) codes.push_back(g.toObject()["code"].toInt());
    for (int code : {0x401, 0x410, 0x44F, 0x451})
        EXPECT_NE(std::find(codes.begin(), codes.end(), code), codes.end()) << code;
}

TEST(CharacterCommands, ExportedSetComesBackIntoASetEmptiedOfItsCodes) {
    TempFolder dir;
    const std::string path = dir.path("lang.smg");
    WriteBytes(path, fixtures::BuildLangpack(TypicalLangpack()).Bytes);
    const QJsonObject original = DumpOf(path);
    const std::string bdf = dir.path("set2.bdf");
    ASSERT_EQ(Tool({"export-bdf", path, "--set", "2", "--out", bdf}).exitCode, 0);

    RunResult r = Tool({"remove-chars", path, "--set", "2", "--from", "0x410", "--to", "0x44F"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "removed 64, skipped 0; set 2 has 95 glyphs in 1 intervals\n");
    r = Tool({"info", path});
    EXPECT_NE(r.out.find("2    95      1          U+0020-U+007E\n"), std::string::npos) << r.out;

    r = Tool({"import-bdf", path, "--set", "2", "--in", bdf, "--add-missing"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "replaced 95, added 64, lacked 0, shift 0\n");
    const QJsonObject back = DumpOf(path);
    for (int k : {1, 2})
        ExpectSameJson(back["sets"].toArray()[k].toObject()["glyphs"],
                       original["sets"].toArray()[k].toObject()["glyphs"], "sets[" + std::to_string(k) + "]");
}

// Characters added as their intervals allow, then widened by a BDF import
// past 4095 bytes of one interval and made taller: each save lays the set's
// intervals out anew and keeps every glyph.
TEST(CharacterCommands, AddedCharactersStillSaveWhenWidenedOrMadeTaller) {
    TempFolder dir;
    const std::string path = dir.path("lang.smg");
    WriteBytes(path, fixtures::BuildLangpack(TypicalLangpack()).Bytes);
    RunResult r = Tool({"add-chars", path, "--set", "2", "--from", "0x3000", "--to", "0x30C7", "--width", "6"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    std::string bdf = "STARTFONT 2.1\nFONT wide\nSIZE 12 75 75\nFONTBOUNDINGBOX 10 12 0 0\nCHARS 200\n";
    for (int code = 0x3000; code <= 0x30C7; ++code) {
        bdf += "STARTCHAR c\nENCODING " + std::to_string(code) + "\nSWIDTH 600 0\nDWIDTH 10 0\nBBX 10 12 0 0\nBITMAP\n";
        for (int row = 0; row < 12; ++row) bdf += row % 2 ? "FFC0\n" : "8040\n";
        bdf += "ENDCHAR\n";
    }
    bdf += "ENDFONT\n";
    const std::string font = dir.path("wide.bdf");
    WriteBytes(font, std::vector<uint8_t>(bdf.begin(), bdf.end()));

    r = Tool({"import-bdf", path, "--set", "2", "--in", font});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    r = Tool({"set-height", path, "--set", "2", "--height", "16"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    std::string rows;
    for (int row = 0; row < 16; ++row) rows += row >= 12 ? "0000" : row % 2 ? "ffc0" : "8040";
    const QJsonArray glyphs = DumpOf(path)["sets"].toArray()[1].toObject()["glyphs"].toArray();
    ASSERT_EQ(glyphs.size(), 359);
    for (int s = 159; s < 359; ++s) {
        const QJsonObject g = glyphs[s].toObject();
        EXPECT_EQ(g["code"].toInt(), 0x3000 + s - 159);
        EXPECT_EQ(g["width"].toInt(), 10) << "glyph " << s;
        EXPECT_EQ(g["data"].toString().toStdString(), rows) << "glyph " << s;
    }
}

}  // namespace
}  // namespace glyphora::testing
