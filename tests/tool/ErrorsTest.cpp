// Exit statuses, messages, and files left untouched when a command fails.
#include "ToolFixtures.h"
#include "ToolTestSupport.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace glyphora::testing {
namespace {

using Args = std::vector<std::string>;

bool StartsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

// Each command with its arguments after FILE.
const std::vector<Args> kCommandsOnFile = {
    {"info"},
    {"dump"},
    {"resave"},
    {"set-glyph", "--set", "1", "--index", "0", "--width", "1", "--data", "8080808080808080"},
    {"set-height", "--set", "1", "--height", "9"},
};

Args WithFile(const Args& command, const std::string& path) {
    Args args = command;
    args.insert(args.begin() + 1, path);
    return args;
}

std::vector<uint8_t> SignedHeader(std::size_t size, uint8_t signature) {
    std::vector<uint8_t> bytes(size, 0);
    bytes[7] = signature;
    return bytes;
}

TEST(Errors, NotALangpackGivesStatus2) {
    TempFolder dir;
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
    };
    for (const Case& c :
         {Case{"short.bin", SignedHeader(599, 0xB1)}, Case{"signature.bin", SignedHeader(4096, 0xB2)}}) {
        const std::string path = dir.path(c.name);
        WriteBytes(path, c.bytes);
        for (const Args& command : kCommandsOnFile) {
            const RunResult r = Tool(WithFile(command, path));
            EXPECT_EQ(r.exitCode, 2) << command[0] << " " << c.name;
            EXPECT_EQ(r.err, path + ": This file is not langpack.\n");
            EXPECT_EQ(r.out, "");
        }
        EXPECT_EQ(ReadBytes(path), c.bytes);
    }
}

TEST(Errors, UnreadableOrBrokenFilesGiveStatus1WithTheFileNamed) {
    TempFolder dir;
    std::vector<uint8_t> truncated = fixtures::BuildLangpack(fixtures::TypicalLangpack()).Bytes;
    truncated.resize(truncated.size() / 2);
    const std::string broken = dir.path("broken.smg");
    WriteBytes(broken, truncated);
    for (const std::string& path : {dir.path("missing.smg"), broken, dir.path("")}) {
        for (const Args& command : kCommandsOnFile) {
            const RunResult r = Tool(WithFile(command, path));
            EXPECT_EQ(r.exitCode, 1) << command[0] << " " << path;
            EXPECT_NE(r.err.find(path), std::string::npos) << r.err;
            EXPECT_EQ(r.out, "");
        }
    }
    EXPECT_EQ(ReadBytes(broken), truncated);
}

TEST(Errors, WrongArgumentsGiveStatus1AndUsage) {
    TempFolder dir;
    const std::string path = dir.path("lp.smg");
    const std::vector<uint8_t> original = fixtures::BuildLangpack(fixtures::TypicalLangpack()).Bytes;
    WriteBytes(path, original);
    struct Case {
        Args args;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{}, "usage: glyphora-tool COMMAND"},
        {{"frobnicate", path}, "unknown command 'frobnicate'"},
        {{"dump"}, "expected one FILE, got 0"},
        {{"dump", path, path}, "expected one FILE, got 2"},
        {{"info", "--verbose", path}, "Unknown option 'verbose'"},
        {{"set-height", path, "--set", "1"}, "--height is missing"},
        {{"set-height", path, "--set", "1", "--set=2", "--height", "9"}, "The option '--set' is given twice."},
        {{"extract", "f.shx", "--overwrite", "--overwrite"}, "The option '--overwrite' is given twice."},
        {{"set-height", path, "--set", "1", "--height", "0"}, "--height must be a whole number from 1 to 255, not '0'"},
        {{"set-height", path, "--set", "x", "--height", "9"}, "--set must be a whole number from 1 to 21, not 'x'"},
        {{"set-glyph", path, "--set", "2", "--index", "0", "--width", "16", "--data", ""}, "--width must be"},
        {{"set-glyph", path, "--set", "2", "--index", "0", "--width", "8"}, "--data is missing"},
        {{"set-glyph", path, "--set", "2", "--index", "0", "--width", "1", "--data", "8g"},
         "--data must be pairs of hex digits"},
        {{"set-glyph", path, "--set", "2", "--index", "0", "--width", "1", "--data", "808"},
         "--data must be pairs of hex digits"},
    };
    for (const Case& c : cases) {
        const RunResult r = Tool(c.args);
        EXPECT_EQ(r.exitCode, 1) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("usage: glyphora-tool"), std::string::npos) << r.err;
    }
    EXPECT_EQ(ReadBytes(path), original);

    const RunResult help = Tool({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("set-glyph FILE --set N --index I --width W --data HEX"), std::string::npos);
}

TEST(Errors, EditsTheLangpackCannotTakeAreRefusedAndNothingIsWritten) {
    TempFolder dir;
    const std::string path = dir.path("lp.smg");
    const std::vector<uint8_t> original = fixtures::BuildLangpack(fixtures::TypicalLangpack()).Bytes;
    WriteBytes(path, original);
    struct Case {
        Args args;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{"set-glyph", path, "--set", "2", "--index", "5", "--width", "9", "--data", "8080"},
         ": --data has 2 bytes; a glyph 9 pixels wide in set 2 (height 12) needs 24\n"},
        {{"set-glyph", path, "--set", "2", "--index", "159", "--width", "1", "--data", std::string(24, '0')},
         ": set 2 has no glyph 159; its glyphs are 0 to 158\n"},
        {{"set-glyph", path, "--set", "5", "--index", "0", "--width", "1", "--data", "00"},
         ": there is no set 5; the langpack has 4 sets\n"},
        {{"set-glyph", path, "--set", "3", "--index", "0", "--width", "1", "--data", std::string(24, '0')},
         ": set 3 shows the glyphs of set 2 and is saved from them; change set 2 instead\n"},
        {{"set-height", path, "--set", "3", "--height", "9"},
         ": set 3 shows the glyphs of set 2 and is saved from them; change set 2 instead\n"},
    };
    for (const Case& c : cases) {
        const RunResult r = Tool(c.args);
        EXPECT_EQ(r.exitCode, 1) << c.message;
        EXPECT_EQ(r.err, path + c.message);
    }
    EXPECT_EQ(ReadBytes(path), original);
}

TEST(Errors, AGrowingFontInTheMiddleIsRefusedWithTheWritersMessage) {
    fixtures::LangpackSpec spec = fixtures::TypicalLangpack();
    spec.ITapAfterSetTable = true;
    TempFolder dir;
    const std::string path = dir.path("lp.smg");
    const std::vector<uint8_t> original = fixtures::BuildLangpack(spec).Bytes;
    WriteBytes(path, original);
    // Glyph 0 of set 2 is 4 wide; at 9 it needs 12 more bytes.
    const RunResult r =
        Tool({"set-glyph", path, "--set", "2", "--index", "0", "--width", "9", "--data", std::string(48, 'f')});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(StartsWith(
        r.err, path + ": The font is in the middle langpack and the size of a kept font more, than initial on "))
        << r.err;
    EXPECT_EQ(ReadBytes(path), original);
}

TEST(Errors, AFailedWriteLeavesTheOldFile) {
    TempFolder dir;
    const std::string path = dir.path("lp.smg");
    const std::vector<uint8_t> original = fixtures::BuildLangpack(fixtures::TypicalLangpack()).Bytes;
    WriteBytes(path, original);
    RunOptions full;
    full.fileSizeLimit = original.size() / 2;  // as if the disk filled up half-way
    for (const Args& args : {Args{"resave", path}, Args{"set-height", path, "--set", "4", "--height", "11"}}) {
        const RunResult r = Tool(args, full);
        EXPECT_EQ(r.exitCode, 1) << args[0];
        EXPECT_NE(r.err.find(path), std::string::npos) << r.err;
        EXPECT_EQ(ReadBytes(path), original) << args[0];
        EXPECT_EQ(dir.entries(), std::vector<std::string>{"lp.smg"}) << "the temporary file must be removed";
    }
}

// An export whose --out names the langpack itself, by its name, a link or a
// hard link, would replace the langpack with a font or a picture.
TEST(Errors, AnExportOverTheLangpackItReadsIsRefused) {
    TempFolder dir;
    const std::string path = dir.path("lp.smg");
    const std::vector<uint8_t> original = fixtures::BuildLangpack(fixtures::TypicalLangpack()).Bytes;
    WriteBytes(path, original);
    ASSERT_EQ(::symlink("lp.smg", dir.path("link.smg").c_str()), 0);
    ASSERT_EQ(::link(path.c_str(), dir.path("hard.smg").c_str()), 0);
    for (const std::string& out : {path, dir.path("link.smg"), dir.path("hard.smg")}) {
        for (const Args& command : {Args{"export-bdf", "--set", "2"}, Args{"export-png", "--set", "2"},
                                    Args{"export-bmp", "--set", "2", "--index", "0"}}) {
            Args args = WithFile(command, path);
            args.insert(args.end(), {"--out", out});
            const RunResult r = Tool(args);
            EXPECT_EQ(r.exitCode, 1) << command[0] << " " << out;
            EXPECT_EQ(r.err, out + ": it is the langpack being exported; give --out another file\n");
            EXPECT_EQ(ReadBytes(path), original);
        }
    }
}

}  // namespace
}  // namespace glyphora::testing
