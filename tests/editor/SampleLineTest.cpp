// The sample line as pictures: glyphs side by side by their widths, a hollow
// box for a character the set lacks, the working glyph's unsaved image.
#include "Picture.h"

#include <SampleLine.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace glyphora::test {
namespace {

// Memory-form rows (0 = ink) of a picture, with the glyph's code.
Symbols glyph(char16_t code, int width, std::initializer_list<std::string_view> rows) {
    Symbols g;
    g.Code = code;
    g.Width = static_cast<uint8_t>(width);
    for (std::string_view row : rows) {
        uint16_t bits = 0xFFFF;
        for (int x = 0; x < static_cast<int>(row.size()); ++x)
            if (row[static_cast<std::size_t>(x)] == '#') bits = static_cast<uint16_t>(bits & ~(0x8000 >> x));
        g.Data.push_back(static_cast<uint8_t>(bits >> 8));
        if (BytesPerRow(width) == 2) g.Data.push_back(static_cast<uint8_t>(bits & 0xFF));
    }
    return g;
}

const std::vector<Symbols>& Set() {
    static const std::vector<Symbols> set = {
        glyph(u'A', 2, {"#.", ".#", "##"}),
        glyph(u'Z', 0, {"", "", ""}),  // zero width: takes no column
        glyph(u'W', 15, {"#.............#", "...............", "###############"}),
        glyph(u' ', 1, {".", ".", "."}),
        glyph(u'A', 1, {"#", "#", "#"}),  // a second 'A': the first one is used
    };
    return set;
}

TEST(SampleLine, GlyphsByTheirWidthsAndHollowBoxesForMissingOnes) {
    const MonoImage unsaved = picture({"#.#", ".#.", "#.#"});
    struct Case {
        const char* name;
        std::u16string text;
        SampleOverride working;
        std::vector<std::string_view> rows;
    } cases[] = {
        // 'q' is not in the set: a box max(3, 3 / 2) wide and a paper column.
        {"widths 2, 0, box, 15",
         u"AZqW",
         {},
         {"#.###.#.............#", ".##.#................", "#####.###############"}},
        {"two missing in a row", u"qq", {}, {"###.###.", "#.#.#.#.", "###.###."}},
        // The working glyph 0 ('A') is 3 wide in the editor and not yet stored.
        {"unsaved working glyph", u"A A", {0, &unsaved, 3}, {"#.#.#.#", ".#...#.", "#.#.#.#"}},
        {"empty text", u"", {}, {"", "", ""}},
    };
    for (const Case& c : cases) {
        const SampleLine line = LayOutSampleLine(c.text, Set(), 3, c.working);
        std::string expected;
        for (std::string_view row : c.rows) expected += std::string(row) + "\n";
        EXPECT_EQ(show(line.image), expected) << c.name;
        EXPECT_EQ(line.image.height(), 3) << c.name;
        EXPECT_EQ(line.characters.size(), c.text.size()) << c.name;
    }
    EXPECT_EQ(MissingCharacterWidth(16), 9);
}

TEST(SampleLine, ClicksFindTheCharacterAndLongLinesBreakAfterSpaces) {
    const SampleLine line = LayOutSampleLine(u"AZqW", Set(), 3);
    // A [0,2), Z [2,2) never under the pointer, q [2,6) missing, W [6,21).
    const int expected[][2] = {{-1, -1}, {0, 0}, {1, 0}, {2, 2}, {5, 2}, {6, 3}, {20, 3}, {21, -1}};
    for (const auto& [x, character] : expected) EXPECT_EQ(SampleCharacterAt(line, x), character) << "x " << x;
    EXPECT_EQ(line.characters[2].glyph, -1);
    EXPECT_EQ(line.characters[3].glyph, 2);

    // "AA AA": A [0,2) A [2,4) ' ' [4,5) A [5,7) A [7,9).
    const std::u16string text = u"AA AA";
    const SampleLine words = LayOutSampleLine(text, Set(), 3);
    EXPECT_EQ(SampleRowStarts(words, text, 6), (std::vector<std::size_t>{0, 3}));
    EXPECT_EQ(SampleRowStarts(words, text, 3), (std::vector<std::size_t>{0, 1, 3, 4}));
    EXPECT_EQ(SampleRowStarts(words, text, 9), (std::vector<std::size_t>{0}));
}

}  // namespace
}  // namespace glyphora::test
