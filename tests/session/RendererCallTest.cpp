// What the renderer is given: the style code of every style set, and the
// arguments kept within the old 255-character command line.
#include <RendererCall.h>

#include <gtest/gtest.h>

namespace glyphora::testing {
namespace {

std::size_t LineLength(const std::string& path, const std::vector<std::string>& args) {
    std::string line = "\"" + path + "\"";
    for (const std::string& a : args) line += " " + a;
    std::size_t characters = 0;
    for (char c : line)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++characters;
    return characters;
}

TEST(RendererCall, StyleCodeComparesTheWholeStyleSet) {
    struct Case {
        bool bold, italic, underline, strikeOut;
        int code;
    } cases[] = {
        {false, false, false, false, 0}, {false, true, false, false, 1}, {true, false, false, false, 2},
        {true, true, false, false, 3},   {true, false, true, false, 0},  {false, true, false, true, 0},
        {true, true, true, false, 0},    {false, false, true, true, 0},
    };
    for (const Case& c : cases) {
        RenderFont font;
        font.bold = c.bold;
        font.italic = c.italic;
        font.underline = c.underline;
        font.strikeOut = c.strikeOut;
        EXPECT_EQ(StyleCode(font), c.code) << c.bold << c.italic << c.underline << c.strikeOut;
    }
    RenderFont sans;
    sans.name = "MS Sans Serif";
    sans.height = -11;
    EXPECT_EQ(RendererParameters(sans, 1040), (std::vector<std::string>{"-11", "0", "1040", "MS Sans Serif"}));
}

TEST(RendererCall, ArgumentsStayWithin255CharactersOfCommandLine) {
    const std::string path = "/opt/glyphora/files/Runecast";
    // Short: unchanged.
    const std::vector<std::string> shortArgs = {"-11", "0", "65", "DejaVu Sans"};
    EXPECT_EQ(CutToCommandLine(path, shortArgs), shortArgs);
    // A long name is cut so the line is 255 characters, at a character of
    // two bytes, never inside it.
    for (const std::string unit : {"x", "\xC3\xA9"}) {
        std::string name;
        for (int i = 0; i < 300; ++i) name += unit;
        const std::vector<std::string> cut = CutToCommandLine(path, {"-11", "0", "65", name});
        ASSERT_EQ(cut.size(), 4u);
        EXPECT_EQ(LineLength(path, cut), 255u);
        EXPECT_EQ(cut[3].size() % unit.size(), 0u);
        EXPECT_EQ(cut[3].substr(0, unit.size()), unit);
    }
    // A path that leaves room for part of the numbers only: what does not fit goes.
    const std::string deep = "/" + std::string(244, 'd') + "/R";
    const std::vector<std::string> tight = CutToCommandLine(deep, {"-11", "0", "65", "Sans"});
    EXPECT_EQ(tight, (std::vector<std::string>{"-11", "0"}));
    EXPECT_EQ(LineLength(deep, tight), 255u);
    EXPECT_TRUE(CutToCommandLine("/" + std::string(300, 'd'), shortArgs).empty());
}

// A name the renderer would cut or could not look up is refused with the limit it breaks.
TEST(RendererCall, AFontNameTooLongForTheRendererIsRefusedNamingTheLimit) {
    struct Case {
        std::string name;
        const char* refusal;  // nullptr: taken
    } cases[] = {
        {"DejaVu Sans", nullptr},
        {"DejaVu\nSans", "holds a line break"},
#ifdef _WIN32
        // A family is named in far fewer units than a request line holds.
        {std::string(31, 'x'), nullptr},
        {std::string(32, 'x'), "is 32 UTF-16 units long; Windows names a font family in at most 31"},
        {"C:\\Fonts\\" + std::string(40, 'x') + ".ttf", nullptr},
#else
        {std::string(kFontNameBytesMax, 'x'), nullptr},
        {std::string(kFontNameBytesMax + 1, 'x'),
         "is 65505 bytes long; the renderer takes a name of at most 65504 bytes"},
#endif
    };
    for (const Case& c : cases) {
        RenderFont font;
        font.name = c.name;
        const Status checked = CheckFontName(font);
        if (!c.refusal) {
            EXPECT_TRUE(checked) << c.name.size();
            continue;
        }
        ASSERT_FALSE(checked) << c.refusal;
        EXPECT_NE(checked.error().message.find(c.refusal), std::string::npos) << checked.error().message;
    }
}

}  // namespace
}  // namespace glyphora::testing
