// The renderer program against installed fonts: DejaVu Sans (fonts-dejavu-core)
// by name and by path, Terminus (xfonts-terminus) as a PCF file that
// fontconfig does not list.
#include "RunecastHarness.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <cmath>
#include <fstream>

namespace glyphora::testing {
namespace {

namespace fs = std::filesystem;

const std::string kDejaVuFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const std::string kTerminusFile = "/usr/share/fonts/X11/misc/ter-u14n_unicode.pcf.gz";

// DejaVu Sans in font units: em 2048, ascender 1901, descender 483, cap height
// 1493; advances of 'A' 1401, 'g' 1300, '.' 651.
constexpr double kDejaVuEm = 2048;
constexpr double kDejaVuAscender = 1901;
constexpr double kDejaVuDescender = 483;

class RunecastTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(fs::exists(kDejaVuFile)) << "install fonts-dejavu-core (scripts/bootstrap)";
        ASSERT_TRUE(fs::exists(kTerminusFile)) << "install xfonts-terminus (scripts/bootstrap)";
        char pattern[] = "/tmp/runecast-test.XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root_ = pattern;
        folder_ = root_ / "files";
        fs::create_directory(folder_);
    }
    void TearDown() override { fs::remove_all(root_); }

    RenderRun run(const std::vector<std::string>& args, const std::vector<std::string>& env = {}) {
        return RunRenderer(folder_, args, env);
    }
    // Renders and reads temp.bmp back; a failure names the arguments.
    Picture render(const std::vector<std::string>& args) {
        const RenderRun r = run(args);
        EXPECT_EQ(r.status, 0) << r.err;
        BmpRead bmp = ReadMonoBmp(folder_ / "temp.bmp");
        EXPECT_TRUE(bmp.picture) << bmp.problem;
        return bmp.picture.value_or(Picture{});
    }
    void writeFile(const std::string& name, const std::string& bytes) {
        std::ofstream(folder_ / name, std::ios::binary) << bytes;
    }
    bool fontconfigAsked(const RenderRun& r) { return r.out.find("Match Pattern") != std::string::npos; }

    fs::path root_;
    fs::path folder_;
};

TEST_F(RunecastTest, BitmapIsLineHeightTallAdvanceWideWithBaselineAtAscent) {
    struct Case {
        std::vector<std::string> args;
        double em;  // pixels per em the height asks for
        int lineHeight;
        double advance;  // font units
        int ascent;
    };
    const double cellEm = 20 * kDejaVuEm / (kDejaVuAscender + kDejaVuDescender);
    const Case cases[] = {
        {{"-11", "0", "65", "DejaVu Sans"}, 11, 13, 1401, 10},
        {{"-16", "0", "103", "DejaVu", "Sans"}, 16, 19, 1300, 15},  // the name in two arguments
        {{"-16", "0", "46", kDejaVuFile}, 16, 19, 651, 15},
        {{"20", "0", "65", "DejaVu Sans"}, cellEm, 20, 1401, 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args[2]);
        const Picture p = render(c.args);
        EXPECT_EQ(p.height(), c.lineHeight) << p.text();
        EXPECT_NEAR(p.width(), c.advance * c.em / kDejaVuEm, 1.0) << p.text();
        ASSERT_GT(p.ink(), 0);
        const char code = static_cast<char>(std::stoi(c.args[2]));
        if (code == 'A') {
            // On the baseline, as tall as the capitals, from the pen origin.
            EXPECT_EQ(p.bottomInkRow(), c.ascent - 1) << p.text();
            EXPECT_NEAR(p.topInkRow(), c.ascent - 1493 * c.em / kDejaVuEm, 1.0) << p.text();
            EXPECT_LE(p.leftInkColumn(), 1) << p.text();
        } else if (code == 'g') {
            EXPECT_GE(p.bottomInkRow(), c.ascent + 1) << "no descender\n" << p.text();
        } else {
            // '.': at the baseline, after its left side bearing.
            EXPECT_EQ(p.bottomInkRow(), c.ascent - 1) << p.text();
            EXPECT_GE(p.topInkRow(), c.ascent - 3) << p.text();
            EXPECT_GE(p.leftInkColumn(), 1) << p.text();
        }
    }
}

TEST_F(RunecastTest, TerminusPcfGivenAsPathUsesItsStrike) {
    const Picture expected{{
        "........",
        "........",
        "..####..",
        ".#....#.",
        ".#....#.",
        ".#....#.",
        ".#....#.",
        ".######.",
        ".#....#.",
        ".#....#.",
        ".#....#.",
        ".#....#.",
        "........",
        "........",
    }};
    // The file holds one strike, 14 pixels: the nearest for any height.
    for (const char* height : {"-14", "-20", "14", "-1"}) {
        SCOPED_TRACE(height);
        EXPECT_EQ(render({height, "0", "65", kTerminusFile}).text(), expected.text());
    }
}

TEST_F(RunecastTest, StylesGiveDifferentPicturesAndBoldHasMoreInk) {
    // By name fontconfig may offer real faces; by path bold and oblique are
    // always FreeType's, on outlines and on a bitmap strike.
    const std::vector<std::string> fonts = {"DejaVu Sans", kDejaVuFile, kTerminusFile};
    for (const std::string& font : fonts) {
        SCOPED_TRACE(font);
        std::vector<Picture> styles;
        for (const char* style : {"0", "1", "2", "3"}) styles.push_back(render({"-16", style, "65", font}));
        for (std::size_t a = 0; a < styles.size(); ++a) {
            for (std::size_t b = a + 1; b < styles.size(); ++b) {
                EXPECT_NE(styles[a].text(), styles[b].text()) << "styles " << a << " and " << b << "\n"
                                                              << styles[a].text();
            }
        }
        EXPECT_GT(styles[2].ink(), styles[0].ink()) << styles[2].text();
        EXPECT_GT(styles[3].ink(), styles[1].ink()) << styles[3].text();
        // Italic leans right: its top row of ink starts further right.
        const auto topStart = [](const Picture& p) { return p.rows[std::size_t(p.topInkRow())].find('#'); };
        EXPECT_GT(topStart(styles[1]), topStart(styles[0])) << styles[1].text();
    }
}

TEST_F(RunecastTest, FailuresGiveTheirStatusAMessageAndNoBitmap) {
    writeFile("notafont.ttf", "this is text, not a font\n");
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string message;
    };
    const Case cases[] = {
        {{}, 2, "HEIGHT STYLE CODE FONTNAME"},
        {{"-11", "0", "65"}, 2, "got 3 arguments"},
        {{"eleven", "0", "65", "DejaVu Sans"}, 2, "HEIGHT 'eleven'"},
        {{"0", "0", "65", "DejaVu Sans"}, 2, "HEIGHT 0 is out of range"},
        {{"-1001", "0", "65", "DejaVu Sans"}, 2, "HEIGHT -1001"},
        {{"-11", "4", "65", "DejaVu Sans"}, 2, "STYLE 4"},
        {{"-11", "0", "65536", "DejaVu Sans"}, 2, "CODE 65536"},
        {{"-11", "0", "6x", "DejaVu Sans"}, 2, "CODE '6x'"},
        {{"-11", "0", "65", " "}, 2, "FONTNAME is empty"},
        {{"-11", "0", "65", "No Such Family Xyzzy"}, 1, "'No Such Family Xyzzy'"},
        {{"-11", "0", "65", "/no/such/font.ttf"}, 1, "'/no/such/font.ttf'"},
        {{"-11", "0", "65", "./notafont.ttf"}, 1, "'./notafont.ttf'"},
        {{"-11", "0", "57344", "DejaVu Sans"}, 3, "U+E000"},  // private use
        {{"-11", "0", "19968", kDejaVuFile}, 3, "U+4E00"},    // CJK
        {{"-14", "0", "19968", kTerminusFile}, 3, "U+4E00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        writeFile("temp.bmp", "a bitmap of an earlier run");
        const RenderRun r = run(c.args);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_FALSE(fs::exists(folder_ / "temp.bmp")) << "an earlier bitmap would pass for this glyph";
    }
}

TEST_F(RunecastTest, HelpAndAnUnwritableBitmap) {
    const RenderRun help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("usage: Runecast HEIGHT STYLE CODE FONTNAME"), std::string::npos) << help.out;

    fs::create_directory(folder_ / "temp.bmp");  // can be neither removed nor replaced
    const RenderRun blocked = run({"-11", "0", "65", kDejaVuFile});
    EXPECT_EQ(blocked.status, 1);
    EXPECT_NE(blocked.err.find("temp.bmp"), std::string::npos) << blocked.err;
}

TEST_F(RunecastTest, CacheSkipsFontconfigUntilItsConfigurationChanges) {
    // FC_DEBUG=1 makes fontconfig print every match it makes; the cache is
    // used when nothing is printed. The user's configuration and cache folder
    // live in the test's folder so that the test can change them. The cache
    // outlives the run's folder: the editor gives every batch a fresh one.
    const fs::path config = root_ / "config";
    const fs::path cache = root_ / "cache" / "glyphora" / "runecast.cache";
    const std::vector<std::string> env = {"FC_DEBUG=1", "XDG_CONFIG_HOME=" + config.string(),
                                          "XDG_CACHE_HOME=" + (root_ / "cache").string()};
    const std::vector<std::string> args = {"-16", "2", "65", "DejaVu Sans"};

    const RenderRun first = RunRenderer(folder_, args, env);
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_TRUE(fontconfigAsked(first));
    ASSERT_TRUE(fs::exists(cache));
    EXPECT_FALSE(fs::exists(folder_ / "runecast.cache"));
    const std::string picture = ReadMonoBmp(folder_ / "temp.bmp").picture.value_or(Picture{}).text();

    fs::remove_all(folder_);
    fs::create_directory(folder_);
    const RenderRun second = RunRenderer(folder_, args, env);
    EXPECT_EQ(second.status, 0);
    EXPECT_FALSE(fontconfigAsked(second)) << second.out;
    EXPECT_EQ(ReadMonoBmp(folder_ / "temp.bmp").picture.value_or(Picture{}).text(), picture);

    // Another style is another lookup, remembered beside the first.
    EXPECT_TRUE(fontconfigAsked(RunRenderer(folder_, {"-16", "0", "65", "DejaVu Sans"}, env)));
    EXPECT_FALSE(fontconfigAsked(RunRenderer(folder_, {"-16", "0", "66", "DejaVu Sans"}, env)));
    EXPECT_FALSE(fontconfigAsked(RunRenderer(folder_, args, env)));

    // A configuration file the user creates makes the cache stale.
    fs::create_directories(config / "fontconfig");
    std::ofstream(config / "fontconfig" / "fonts.conf") << "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n";
    EXPECT_TRUE(fontconfigAsked(RunRenderer(folder_, args, env)));
    EXPECT_FALSE(fontconfigAsked(RunRenderer(folder_, args, env)));

    // A damaged cache is rebuilt, and the picture stays the same.
    for (const std::string& damage : {std::string("garbage\n"), std::string("runecast-cache 1\nenv 99999:"),
                                      std::string(4096, '\xff'), std::string()}) {
        std::ofstream(cache, std::ios::binary) << damage;
        const RenderRun r = RunRenderer(folder_, args, env);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(fontconfigAsked(r));
        EXPECT_EQ(ReadMonoBmp(folder_ / "temp.bmp").picture.value_or(Picture{}).text(), picture);
        EXPECT_FALSE(fontconfigAsked(RunRenderer(folder_, args, env)));
    }

    // A cache that cannot be written costs speed, not the glyph.
    fs::remove(cache);
    fs::create_directory(cache);
    const RenderRun unwritable = RunRenderer(folder_, args, env);
    EXPECT_EQ(unwritable.status, 0) << unwritable.err;
    EXPECT_EQ(ReadMonoBmp(folder_ / "temp.bmp").picture.value_or(Picture{}).text(), picture);
}

// The words before each bitmap of a batch's answers.
std::vector<std::string> AnswerLines(const std::string& out) {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < out.size();) {
        const std::size_t end = out.find('\n', at);
        if (end == std::string::npos) break;
        lines.push_back(out.substr(at, end - at));
        at = end + 1;
        if (lines.back().rfind("ok ", 0) == 0) at += std::stoul(lines.back().substr(lines.back().rfind(' ') + 1));
    }
    return lines;
}

TEST_F(RunecastTest, BatchAnswersEachLineAsOneStartPerGlyphWould) {
    const std::string font = " 0 65 " + kDejaVuFile;
    const std::string longName(200 * 1024, 'x');  // over the longest request, over several reads
    struct Case {
        const char* what;
        std::string input;
        std::vector<std::string> firstWords;  // "ok CODE" or "fail CODE STATUS"
    };
    const std::vector<Case> cases = {
        {"CR LF ends and no final end", "-16" + font + "\r\n-12" + font, {"ok 65", "ok 65"}},
        {"an empty line ends the batch", "-16" + font + "\n\n-12" + font + "\n", {"ok 65"}},
        {"an overlong line fails alone", "-16 0 66 " + longName + "\n-16" + font + "\n", {"fail 66 1", "ok 65"}},
        {"sizes change back and forth",
         "-16" + font + "\nfit=9 -16" + font + "\n-16" + font + "\n",
         {"ok 65", "ok 65", "ok 65"}},
    };
    for (const Case& c : cases) {
        const RenderRun r = RunRenderer(folder_, {"--batch"}, {}, c.input);
        EXPECT_EQ(r.status, 0) << c.what << ": " << r.err;
        const std::vector<std::string> lines = AnswerLines(r.out);
        ASSERT_EQ(lines.size(), c.firstWords.size()) << c.what;
        for (std::size_t i = 0; i < lines.size(); ++i)
            EXPECT_EQ(lines[i].rfind(c.firstWords[i], 0), 0u) << c.what << ": " << lines[i];
    }
    // A size set again after another gives the same picture as at first.
    const std::vector<std::string> sizes = AnswerLines(RunRenderer(folder_, {"--batch"}, {}, cases[3].input).out);
    ASSERT_EQ(sizes.size(), 3u);
    EXPECT_EQ(sizes[0], sizes[2]);
    EXPECT_NE(sizes[0], sizes[1]);
}

TEST_F(RunecastTest, FontFilePathNeedsNoLookup) {
    const RenderRun r =
        RunRenderer(folder_, {"-16", "0", "65", kDejaVuFile}, {"FC_DEBUG=1", "XDG_CACHE_HOME=" + root_.string()});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_FALSE(fontconfigAsked(r));
    EXPECT_FALSE(fs::exists(root_ / "glyphora"));
}

}  // namespace
}  // namespace glyphora::testing
