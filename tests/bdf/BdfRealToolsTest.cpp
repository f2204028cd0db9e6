// Exported sets against programs of the bitmap-font world, and fonts those
// programs made imported into a set, checked by a script that reads BDF on
// its own (bdf_check.py).
#include <ReadOutcome.h>
#include "BdfReader.h"
#include "BdfTestSupport.h"
#include "BdfWriter.h"
#include "LangpackWriter.h"
#include "SetBdf.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <tuple>

namespace glyphora {
namespace {

using namespace fixtures;
using bdftest::IsInk;
using bdftest::RunCommand;
using ::glyphora::testing::TempFolder;

const std::string kPython = "/usr/bin/python3";  // the system's, which has FontForge's module
const std::string kCheck = GLYPHORA_BDF_CHECK;

const SetSpec kExported = PatternSet(12, {{0x20, 0x7E}, {0x410, 0x44F}}, {0, 1, 4, 8, 9, 12, 15}, 21);

TEST(RealTools, BdftopcfCompilesExportedSetsSilently) {
    if (!bdftest::HaveProgram("bdftopcf")) GTEST_SKIP() << "bdftopcf is not installed (Debian package xfonts-utils)";
    const TLangpack lp = bdftest::ReadBuilt(bdftest::GeneralSetLangpack(kExported));
    const TLangpack large = bdftest::ReadBuilt(LargeLangpack());
    const std::tuple<const TLangpack*, int, int> exports[] = {{&lp, 1, 0}, {&lp, 1, 3}, {&lp, 0, 2}, {&large, 1, 2}};
    for (const auto& [model, set, descent] : exports) {
        TempFolder dir;
        bdftest::WriteText(dir.path("set.bdf"), WriteBdf(SetToBdf(*model, set, "t-set", descent)));
        const bdftest::Run run = RunCommand("bdftopcf -o " + dir.path("set.pcf") + " " + dir.path("set.bdf") + " 2>&1");
        EXPECT_EQ(run.status, 0) << run.out;
        EXPECT_EQ(run.out, "") << "set " << set + 1 << ", descent " << descent;
        EXPECT_GT(std::filesystem::file_size(dir.path("set.pcf")), 0u);
    }
}

// "CODE ADVANCE x,y ..." per distinct code, ink pixels from the top row down,
// y counted above the baseline: what bdf_check.py prints for FontForge.
std::string ExpectedGlyphs(const TLangpack& lp, int set, int descent) {
    const int height = lp.FontSetTable[static_cast<std::size_t>(set)].Height;
    std::map<int, std::string> lines;
    for (const Symbols& g : lp.glyphs(set)) {
        if (lines.count(g.Code)) continue;
        std::string line = std::to_string(g.Code) + " " + std::to_string(g.Width);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < g.Width; ++x)
                if (IsInk(g.Data, g.Width, x, y))
                    line += " " + std::to_string(x) + "," + std::to_string(height - descent - 1 - y);
        lines[g.Code] = line;
    }
    std::string out = "glyphs " + std::to_string(lines.size()) + "\n";
    for (const auto& [code, line] : lines) out += line + "\n";
    return out;
}

TEST(RealTools, FontForgeFindsTheSameGlyphs) {
    if (RunCommand(kPython + " -c 'import fontforge' 2>/dev/null").status != 0)
        GTEST_SKIP() << "FontForge's Python module is not installed (Debian package python3-fontforge)";
    const TLangpack lp = bdftest::ReadBuilt(bdftest::GeneralSetLangpack(kExported));
    for (int descent : {0, 3}) {
        TempFolder dir;
        bdftest::WriteText(dir.path("set.bdf"), WriteBdf(SetToBdf(lp, 1, "t-set2", descent)));
        const bdftest::Run run =
            RunCommand(kPython + " " + kCheck + " fontforge " + dir.path("set.bdf") + " 2>/dev/null");
        ASSERT_EQ(run.status, 0);
        EXPECT_EQ(run.out, ExpectedGlyphs(lp, 1, descent)) << "descent " << descent;
    }
}

struct Placed {
    int width = 0;
    std::string picture;
};

// bdf_check.py place: the shift it used and each code's cell.
std::map<int, Placed> PlacedByScript(const std::string& bdf, int height, std::optional<int> shift, int& usedShift) {
    const bdftest::Run run = RunCommand(kPython + " " + kCheck + " place " + bdf + " " + std::to_string(height) + " " +
                                        (shift ? std::to_string(*shift) : "default"));
    EXPECT_EQ(run.status, 0);
    std::map<int, Placed> placed;
    std::istringstream lines(run.out);
    std::string word;
    lines >> word >> usedShift;
    int code = 0;
    Placed p;
    while (lines >> code >> p.width) {
        std::string rows;
        std::getline(lines, rows);
        p.picture.clear();
        for (char c : rows.substr(1)) p.picture += c == '|' ? '\n' : c;
        p.picture += '\n';
        placed[code] = p;
    }
    return placed;
}

struct ImportCase {
    const char* name;
    const char* program;
    const char* package;
    std::string make;  // writes font.bdf into the folder {DIR}
    uint16_t height;
    std::optional<int> shift;
};

TEST(RealTools, FontsOfOtherToolsImportAsAnIndependentReadingPlacesThem) {
    const std::string terminus = "/usr/share/fonts/X11/misc/ter-u14n_unicode.pcf.gz";
    const std::string dejavu = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    const std::string fromTerminus = "zcat " + terminus + " > {DIR}/ter.pcf && pcf2bdf -o {DIR}/font.bdf {DIR}/ter.pcf";
    // otf2bdf's exit status is not that of success even when it wrote the font.
    const std::string fromDejaVu = "otf2bdf -p 12 " + dejavu + " -o {DIR}/font.bdf; true";
    const ImportCase cases[] = {
        {"Terminus 14 into 14 rows", "pcf2bdf", "pcf2bdf", fromTerminus, 14, std::nullopt},
        {"Terminus 14 into 12 rows", "pcf2bdf", "pcf2bdf", fromTerminus, 12, std::nullopt},
        {"DejaVu Sans 12 pt into 12 rows", "otf2bdf", "otf2bdf", fromDejaVu, 12, std::nullopt},
        {"DejaVu Sans 12 pt into 16 rows, shifted", "otf2bdf", "otf2bdf", fromDejaVu, 16, 1},
    };
    if (!std::filesystem::exists(terminus)) GTEST_SKIP() << terminus << " is missing (Debian package xfonts-terminus)";
    if (!std::filesystem::exists(dejavu)) GTEST_SKIP() << dejavu << " is missing (Debian package fonts-dejavu-core)";
    if (!std::filesystem::exists(kPython)) GTEST_SKIP() << kPython << " is missing (Debian package python3)";

    for (const ImportCase& c : cases) {
        SCOPED_TRACE(c.name);
        if (!bdftest::HaveProgram(c.program))
            GTEST_SKIP() << c.program << " is not installed (Debian package " << c.package << ")";
        TempFolder dir;
        std::string make = c.make;
        for (std::size_t at; (at = make.find("{DIR}")) != std::string::npos;) make.replace(at, 5, dir.path(""));
        ASSERT_EQ(RunCommand(make + " >/dev/null 2>&1").status, 0) << make;
        ASSERT_TRUE(bdftest::ReadText(dir.path("font.bdf")).ends_with("ENDFONT\n")) << make;

        // Latin and Cyrillic, and four private codes no font here has.
        const SetSpec general =
            PatternSet(c.height, {{0x20, 0x7E}, {0x410, 0x44F}, {0xE000, 0xE003}}, {4, 6, 8, 10}, 5);
        std::vector<uint8_t> bytes;
        const TLangpack before = bdftest::ReadBuilt(bdftest::GeneralSetLangpack(general), &bytes);
        Result<BdfFont> font = ReadBdfFile(dir.path("font.bdf"));
        ASSERT_TRUE(font.has_value()) << font.error().message;

        TLangpack lp = before;
        const BdfImportPlan plan = PlanBdfImport(lp, 1, *font, c.shift);
        ApplyBdfImport(lp, 1, plan);
        const SaveOutcome saved = Outcome(BuildSavedImage(lp, bytes));
        ASSERT_TRUE(saved.ok) << saved.message;
        const ReadOutcome reread = Outcome(ReadLangpack(saved.image));
        ASSERT_EQ(reread.status, ReadStatus::Ok) << reread.message;

        int scriptShift = 0;
        const std::map<int, Placed> expected = PlacedByScript(dir.path("font.bdf"), c.height, c.shift, scriptShift);
        EXPECT_EQ(plan.Shift, scriptShift);
        int replaced = 0;
        for (int k : {1, 2}) {
            const std::vector<Symbols>& glyphs = reread.langpack.glyphs(k);
            ASSERT_EQ(glyphs.size(), 163u);
            for (std::size_t s = 0; s < glyphs.size(); ++s) {
                const Symbols& g = glyphs[s];
                const auto found = expected.find(g.Code);
                if (found == expected.end()) {
                    EXPECT_EQ(g.Width, before.SymbolTable[1][s].Width) << "a glyph the font lacks stays as it was";
                    EXPECT_EQ(g.Data, before.SymbolTable[1][s].Data) << "a glyph the font lacks stays as it was";
                    continue;
                }
                replaced += k == 1;
                EXPECT_EQ(g.Width, found->second.width) << "set " << k + 1 << " code " << g.Code;
                EXPECT_EQ(bdftest::Picture(g, c.height), found->second.picture)
                    << "set " << k + 1 << " code " << g.Code;
            }
        }
        EXPECT_EQ(plan.Replaced, replaced);
        EXPECT_EQ(plan.Lacked, 163 - replaced);
        EXPECT_EQ(replaced, 159) << "both fonts have all of Latin and Cyrillic";
    }
}

}  // namespace
}  // namespace glyphora
