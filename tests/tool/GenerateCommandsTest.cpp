// "render" and "trim": a range of a set drawn anew from DejaVu Sans by the
// renderer the build placed beside the editor (found without --renderer),
// then trimmed, read back with "dump".
#include "ToolTestSupport.h"

#include <QJsonArray>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace glyphora::testing {
namespace {

constexpr int kA = 0x41 - 0x20;  // glyph index of 'A' in set 2 of the typical fixture

QJsonObject GlyphOf(const QJsonObject& dump, int set, int index) {
    return dump["sets"].toArray()[set - 1].toObject()["glyphs"].toArray()[index].toObject();
}

// The glyph's columns as '#' and '.', one text a row (the dump's data is the file form, 1 = ink).
std::vector<std::string> Picture(const QJsonObject& glyph, int height) {
    const int width = glyph["width"].toInt();
    const QByteArray data = QByteArray::fromHex(glyph["data"].toString().toLatin1());
    const int bytes = width <= 8 ? 1 : 2;
    std::vector<std::string> rows;
    for (int y = 0; y < height; ++y) {
        std::string row;
        for (int x = 0; x < width; ++x)
            row += (static_cast<uint8_t>(data[y * bytes + x / 8]) >> (7 - x % 8)) & 1 ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

bool ColumnHasInk(const std::vector<std::string>& rows, int x) {
    for (const std::string& r : rows)
        if (r[static_cast<std::size_t>(x)] == '#') return true;
    return false;
}

// Glyphs kA..kA+3 of set 2 hold ink in column 0, and their last column is
// blank with ink before it.
void ExpectTrimmed(const QJsonObject& dump) {
    for (int g = kA; g <= kA + 3; ++g) {
        const std::vector<std::string> rows = Picture(GlyphOf(dump, 2, g), 12);
        const int width = static_cast<int>(rows[0].size());
        EXPECT_TRUE(ColumnHasInk(rows, 0)) << "glyph " << g;
        EXPECT_FALSE(ColumnHasInk(rows, width - 1)) << "glyph " << g;
        EXPECT_TRUE(ColumnHasInk(rows, width - 2)) << "glyph " << g;
    }
}

TEST(GenerateCommands, RenderThenTrimARangeOfSet2) {
    TempFolder dir;
    const std::string path = dir.path("lp.smg");
    WriteBytes(path, fixtures::BuildLangpack(fixtures::TypicalLangpack()).Bytes);
    const QJsonObject before = DumpOf(path);
    const std::vector<std::string> range = {"--set", "2", "--from", std::to_string(kA), "--to", std::to_string(kA + 3)};
    auto with = [&](std::vector<std::string> words) {
        words.insert(words.begin() + 1, path);
        words.insert(words.end(), range.begin(), range.end());
        return words;
    };

    RunResult r = Tool(with({"render", "--font", "DejaVu Sans", "--height", "12"}));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "4 of 4 glyphs replaced\n");
    const QJsonObject rendered = DumpOf(path);
    for (int g = kA - 1; g <= kA + 4; ++g) {
        const bool inRange = g >= kA && g <= kA + 3;
        // (Offsets move when widths change: the pixels are compared.)
        EXPECT_EQ(GlyphOf(rendered, 2, g)["data"] != GlyphOf(before, 2, g)["data"], inRange) << "glyph " << g;
        EXPECT_EQ(GlyphOf(rendered, 3, g)["data"], GlyphOf(rendered, 2, g)["data"]) << "set 3 shows set 2, glyph " << g;
    }

    r = Tool(with({"trim"}));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find(" of 4 glyphs changed\n"), std::string::npos) << r.out;
    ExpectTrimmed(DumpOf(path));
    // Trimmed once, nothing is left to change, and the file is not written.
    r = Tool(with({"trim"}));
    EXPECT_EQ(r.out, "0 of 4 glyphs changed\n");
}

// The Generate window's placement options: --trim leaves each glyph its ink
// plus one blank column as trim would.
TEST(GenerateCommands, RenderTrimsAsTheGenerateWindowDoes) {
    TempFolder dir;
    const std::string path = dir.path("lp.smg");
    WriteBytes(path, fixtures::BuildLangpack(fixtures::TypicalLangpack()).Bytes);
    const RunResult r =
        Tool({"render", path, "--set", "2", "--from", std::to_string(kA), "--to", std::to_string(kA + 3), "--font",
              "DejaVu Sans", "--height", "12", "--wide", "shrink", "--trim"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "4 of 4 glyphs replaced\n");
    ExpectTrimmed(DumpOf(path));
}

TEST(GenerateCommands, RefusalsAndFailuresLeaveTheFile) {
    TempFolder dir;
    const std::string path = dir.path("lp.smg");
    const std::vector<uint8_t> bytes = fixtures::BuildLangpack(fixtures::TypicalLangpack()).Bytes;
    WriteBytes(path, bytes);
    const std::string script = dir.path("Runecast");
    std::ofstream(script) << "#!/bin/sh\necho 'Runecast: no glyph for U+0041' >&2\nexit 3\n";
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    struct Case {
        std::vector<std::string> words;
        const char* said;  // on stderr
    } cases[] = {
        {{"render", path, "--set", "2", "--from", "33", "--to", "33", "--font", "X", "--height", "12", "--renderer",
          script},
         "glyph 33 (U+0041) not replaced: Runecast ended with exit status 3: Runecast: no glyph for U+0041"},
        {{"trim", path, "--set", "3", "--from", "0", "--to", "1"}, "set 3 shows the glyphs of set 2"},
        {{"trim", path, "--set", "2", "--from", "5", "--to", "200"}, "set 2 has no glyph 200; its glyphs are 0 to 158"},
        {{"render", path, "--set", "2", "--from", "0", "--to", "1", "--font", "X", "--height", "0"}, "--height"},
        {{"render", path, "--set", "2", "--from", "0", "--to", "1", "--font", "X", "--height", "12", "--wide",
          "squeeze"},
         "--wide must be cut or shrink, not 'squeeze'"},
        // Refused before the renderer starts, naming the limit.
        {{"render", path, "--set", "2", "--from", "33", "--to", "33", "--font", std::string(70000, 'x'), "--height",
          "12", "--renderer", script},
         "The font name 'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\u2026' is 70000 bytes long; the "
         "renderer takes a name of at most 65504 bytes.\n"},
        {{"render", path, "--set", "2", "--from", "0", "--to", "9", "--font", "X", "--height", "12", "--renderer",
          dir.root().string()},
         "is not a program that can be run"},
    };
    for (const Case& c : cases) {
        const RunResult r = Tool(c.words);
        EXPECT_EQ(r.exitCode, 1) << c.words[0];
        EXPECT_NE(r.err.find(c.said), std::string::npos) << r.err;
        EXPECT_EQ(ReadBytes(path), bytes) << c.said;
    }
}

}  // namespace
}  // namespace glyphora::testing
