// "set-glyph" and "set-height" change exactly what they name, read back with the codec.
#include <ReadOutcome.h>
#include "GlyphCoding.h"
#include "LangpackReader.h"
#include "ToolFixtures.h"
#include "ToolTestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

namespace glyphora::testing {
namespace {

TLangpack ReadBack(const std::string& path) {
    ReadOutcome r = Outcome(ReadLangpack(ReadBytes(path)));
    EXPECT_EQ(r.status, ReadStatus::Ok) << r.message;
    return std::move(r.langpack);
}

// File-form rows of a glyph as read.
std::vector<uint8_t> Rows(const TLangpack& lp, int set, int index) {
    return InvertRows(lp.glyphs(set)[static_cast<std::size_t>(index)].Data);
}

// Every glyph of `after` equals `before`'s, except those `changed` says to skip.
template <typename Skip>
void ExpectOtherGlyphsKept(const TLangpack& before, const TLangpack& after, Skip changed) {
    ASSERT_EQ(after.SetCount(), before.SetCount());
    for (int k = 0; k < before.SetCount(); ++k) {
        const auto& a = after.glyphs(k);
        const auto& b = before.glyphs(k);
        ASSERT_EQ(a.size(), b.size()) << "set " << k + 1;
        for (std::size_t s = 0; s < a.size(); ++s) {
            if (changed(k, static_cast<int>(s))) continue;
            EXPECT_EQ(a[s].Code, b[s].Code) << "set " << k + 1 << " glyph " << s;
            EXPECT_EQ(a[s].Width, b[s].Width) << "set " << k + 1 << " glyph " << s;
            EXPECT_EQ(a[s].Data, b[s].Data) << "set " << k + 1 << " glyph " << s;
        }
    }
}

struct GlyphEdit {
    int set;  // 1-based, as on the command line
    int index;
    int width;
    uint8_t fill;  // every byte of the new rows
};

class SetGlyph : public ::testing::TestWithParam<GlyphEdit> {};

TEST_P(SetGlyph, ReplacesOneGlyphAndItsDouble) {
    const GlyphEdit edit = GetParam();
    TempFolder dir;
    const std::string path = dir.path("lp.smg");
    WriteBytes(path, fixtures::BuildLangpack(fixtures::TypicalLangpack()).Bytes);
    const TLangpack before = ReadBack(path);
    const int height = before.FontSetTable[static_cast<std::size_t>(edit.set - 1)].Height;
    const std::vector<uint8_t> rows(GlyphDataSize(edit.width, height), edit.fill);

    const RunResult r = Tool({"set-glyph", path, "--set", std::to_string(edit.set), "--index",
                              std::to_string(edit.index), "--width", std::to_string(edit.width), "--data", Hex(rows)});
    ASSERT_EQ(r.exitCode, 0) << r.err;

    const TLangpack after = ReadBack(path);
    // Set 3 shows set 2's glyphs, so it shows the new one too.
    auto edited = [&](int k, int s) { return s == edit.index && (k == edit.set - 1 || (edit.set == 2 && k == 2)); };
    for (int k = 0; k < after.SetCount(); ++k) {
        if (!edited(k, edit.index)) continue;
        EXPECT_EQ(after.glyphs(k)[static_cast<std::size_t>(edit.index)].Width, edit.width);
        EXPECT_EQ(Hex(Rows(after, k, edit.index)), Hex(rows)) << "set " << k + 1;
    }
    ExpectOtherGlyphsKept(before, after, edited);
    EXPECT_EQ(after.LanguageTable.size(), before.LanguageTable.size());
}

INSTANTIATE_TEST_SUITE_P(Cases, SetGlyph,
                         ::testing::Values(GlyphEdit{2, 5, 9, 0x80},     // 1 byte per row -> 2
                                           GlyphEdit{2, 158, 0, 0x00},   // last glyph, width 0
                                           GlyphEdit{1, 0, 1, 0x80},     // narrowed to one column
                                           GlyphEdit{4, 9, 15, 0xFE},    // last glyph of the last set, widest
                                           GlyphEdit{2, 94, 8, 0xFF}));  // last glyph of interval 0

struct HeightChange {
    int set;
    int height;
};

class SetHeight : public ::testing::TestWithParam<HeightChange> {};

TEST_P(SetHeight, AddsEmptyRowsOrDropsTheBottomOnes) {
    const HeightChange change = GetParam();
    TempFolder dir;
    const std::string path = dir.path("lp.smg");
    WriteBytes(path, fixtures::BuildLangpack(fixtures::TypicalLangpack()).Bytes);
    const TLangpack before = ReadBack(path);

    const RunResult r =
        Tool({"set-height", path, "--set", std::to_string(change.set), "--height", std::to_string(change.height)});
    ASSERT_EQ(r.exitCode, 0) << r.err;

    const TLangpack after = ReadBack(path);
    // Set 3 is set 2's double and follows its height.
    auto changed = [&](int k, int) { return k == change.set - 1 || (change.set == 2 && k == 2); };
    for (int k = 0; k < after.SetCount(); ++k) {
        const auto ks = static_cast<std::size_t>(k);
        if (!changed(k, 0)) {
            EXPECT_EQ(after.FontSetTable[ks].Height, before.FontSetTable[ks].Height) << "set " << k + 1;
            continue;
        }
        EXPECT_EQ(after.FontSetTable[ks].Height, change.height) << "set " << k + 1;
        for (std::size_t s = 0; s < before.SymbolTable[ks].size(); ++s) {
            const int width = before.SymbolTable[ks][s].Width;
            std::vector<uint8_t> expected = Rows(before, k, static_cast<int>(s));
            expected.resize(GlyphDataSize(width, change.height), 0x00);
            EXPECT_EQ(after.SymbolTable[ks][s].Width, width);
            ASSERT_EQ(Hex(Rows(after, k, static_cast<int>(s))), Hex(expected)) << "set " << k + 1 << " glyph " << s;
        }
    }
    ExpectOtherGlyphsKept(before, after, changed);
}

INSTANTIATE_TEST_SUITE_P(Cases, SetHeight,
                         ::testing::Values(HeightChange{4, 12}, HeightChange{1, 5}, HeightChange{2, 14},
                                           HeightChange{2, 1}, HeightChange{4, 255}));

TEST(SetHeight, SetsShowingSet2FollowItsHeight) {
    fixtures::LangpackSpec spec;
    for (const NamedFixture& f : AllFixtures()) {
        if (f.name == "seven_sets") spec = f.spec;
    }
    TempFolder dir;
    const std::string path = dir.path("lp.smg");
    WriteBytes(path, fixtures::BuildLangpack(spec).Bytes);
    ASSERT_TRUE(ReadBack(path).Set7SharesSet2);

    const RunResult refused = Tool({"set-height", path, "--set", "7", "--height", "9"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, path + ": set 7 shows the glyphs of set 2 and is saved from them; change set 2 instead\n");

    const RunResult r = Tool({"set-height", path, "--set", "2", "--height", "13"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const TLangpack after = ReadBack(path);
    for (int k : {1, 2, 6}) {
        EXPECT_EQ(after.FontSetTable[static_cast<std::size_t>(k)].Height, 13) << "set " << k + 1;
        const auto& glyphs = after.glyphs(k);
        for (std::size_t s = 0; s < glyphs.size(); ++s) {
            EXPECT_EQ(glyphs[s].Data, after.SymbolTable[1][s].Data) << "set " << k + 1 << " glyph " << s;
        }
    }
}

// An edit that leaves the langpack as it was does not write it: its time
// stays, so a program watching the file (or the editor) sees no change.
TEST(EditCommands, EditsThatChangeNothingLeaveTheFileUnwritten) {
    TempFolder dir;
    const std::string path = dir.path("lp.smg");
    WriteBytes(path, fixtures::BuildLangpack(fixtures::TypicalLangpack()).Bytes);
    const auto written = std::filesystem::last_write_time(path) - std::chrono::hours(1);
    std::filesystem::last_write_time(path, written);
    const std::vector<std::vector<std::string>> cases = {
        {"set-height", path, "--set", "2", "--height", "12"},
        {"add-chars", path, "--set", "2", "--from", "0x41", "--to", "0x41", "--width", "6"},
        {"remove-chars", path, "--set", "2", "--from", "0x3000", "--to", "0x3001"},
    };
    for (const auto& args : cases) {
        const RunResult r = Tool(args);
        EXPECT_EQ(r.exitCode, 0) << args[0] << ": " << r.err;
        EXPECT_EQ(std::filesystem::last_write_time(path), written) << args[0];
    }
}

}  // namespace
}  // namespace glyphora::testing
