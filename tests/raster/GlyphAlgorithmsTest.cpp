// The glyph algorithms and the rows <-> image conversion, by pictures.
#include "GlyphAlgorithms.h"
#include "GlyphRows.h"
#include "Picture.h"

#include <gtest/gtest.h>

namespace glyphora::test {
namespace {

std::string within(const TrimmedGlyph& g, int height) { return show(g.image.copy(0, 0, g.width, height)); }

TEST(GlyphAlgorithms, OptimizeWidthLeavesOneBlankColumnAfterTheInk) {
    struct Case {
        const char* name;
        std::initializer_list<std::string_view> before;
        int maxWidth;
        const char* after;  // the glyph within its new width
    } cases[] = {
        {"ink in column 2 of 5", {"..#..", "..#.."}, 15, "#.\n#.\n"},
        {"ink at both edges of 7 gets an 8th blank column", {"#.....#", "#.....#"}, 15, "#.....#.\n#.....#.\n"},
        {"ink in the 15th column of 15", {"#.............#"}, 15, "#.............#\n"},
        {"three blank columns on the right", {"##....", ".#...."}, 15, "##.\n.#.\n"},
        {"one column of ink widens", {"#"}, 15, "#.\n"},
        {"a blank glyph keeps its width", {"....", "...."}, 15, "....\n....\n"},
        {"at the limit no column is added", {"##"}, 2, "##\n"},
    };
    for (const Case& c : cases) {
        const MonoImage image = picture(c.before);
        const int width = image.width(), height = image.height();
        const TrimmedGlyph out =
            OptimizeWidth(image.copy(0, 0, GlyphImageWidth(width), height), width, height, c.maxWidth);
        EXPECT_EQ(within(out, height), c.after) << c.name;
        EXPECT_EQ(out.image.width(), GlyphImageWidth(out.width)) << c.name;
        // Nothing of the old glyph survives beyond the new width.
        EXPECT_EQ(show(out.image), show(out.image.copy(0, 0, out.width, height).copy(0, 0, out.image.width(), height)))
            << c.name;
    }
}

TEST(GlyphAlgorithms, InkOnlyInTheSpareBitsCountsForTheBlankTestButIsLeftAlone) {
    // Width 3, the stored byte's fifth pixel inked: nothing shows inside the width.
    const std::vector<uint8_t> rows = {0xF7, 0xFF};
    const MonoImage image = GlyphRowsToImage(rows, 3, 2);
    EXPECT_FALSE(IsImageBlank(image, 3, 2));
    EXPECT_FALSE(HasInk(image, 3, 2));
    const TrimmedGlyph out = OptimizeWidth(image, 3, 2);
    EXPECT_EQ(out.width, 3);
    EXPECT_EQ(out.image, image);
    EXPECT_TRUE(IsImageBlank(GlyphRowsToImage(std::vector<uint8_t>{0xFF, 0xFF}, 3, 2), 3, 2));
}

TEST(GlyphAlgorithms, ShiftMovesTheGlyphInsideItsBox) {
    const MonoImage glyph = picture({"#..#", ".##."});
    EXPECT_EQ(show(ShiftImage(glyph, 4, 2, 1)), ".#..\n..##\n");
    EXPECT_EQ(show(ShiftImage(glyph, 4, 2, -1)), "..#.\n##..\n");
}

TEST(GlyphRows, RowsAndImageRoundTripWithTheirSpareBits) {
    struct Case {
        int width, height;
        std::vector<uint8_t> rows;
    };
    for (const Case& c : {Case{5, 2, {0x07, 0xFF}}, Case{9, 2, {0x7F, 0x7F, 0xFF, 0xFF}}, Case{0, 2, {0xFF, 0xFF}},
                          Case{15, 1, {0x00, 0x01}}}) {
        const MonoImage image = GlyphRowsToImage(c.rows, c.width, c.height);
        EXPECT_EQ(image.width(), GlyphImageWidth(c.width)) << c.width;
        EXPECT_EQ(GlyphImageToRows(image, c.width, c.height), c.rows) << c.width;
    }
    // Width 9 at (0, 0) and (8, 0) as the file's 0x80 0x80 becomes in memory.
    const MonoImage nine = GlyphRowsToImage(std::vector<uint8_t>{0x7F, 0x7F, 0xFF, 0xFF}, 9, 2);
    EXPECT_EQ(show(nine.copy(0, 0, 9, 2)), "#.......#\n.........\n");
    // Short data reads as paper; a taller height gets paper rows.
    EXPECT_EQ(GlyphImageToRows(GlyphRowsToImage(std::vector<uint8_t>{0x00}, 4, 3), 4, 3),
              (std::vector<uint8_t>{0x00, 0xFF, 0xFF}));
}

}  // namespace
}  // namespace glyphora::test
