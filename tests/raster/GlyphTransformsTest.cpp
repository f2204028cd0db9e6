// The transforms of Edit -> "Transform", by pictures: each row of the table
// is what the menu promises for that glyph.
#include "GlyphRows.h"
#include "GlyphTransforms.h"
#include "Picture.h"

#include <gtest/gtest.h>

namespace glyphora::test {
namespace {

using T = GlyphTransform;

TEST(GlyphTransforms, PicturesInPicturesOut) {
    struct Case {
        const char* name;
        T transform;
        std::initializer_list<std::string_view> before;
        std::optional<int> baseline;
        const char* after;  // the glyph within its new width
        int inkLost;
    } cases[] = {
        {"flip-h mirrors within the width", T::FlipHorizontal, {"##...", "#.#.."}, {}, "...##\n..#.#\n", 0},
        {"flip-v turns the rows over", T::FlipVertical, {"#..", ".#.", "..#"}, {}, "..#\n.#.\n#..\n", 0},
        {"rotate-180 does both", T::Rotate180, {"##.", "#.."}, {}, "..#\n.##\n", 0},
        {"invert toggles every pixel of the box", T::Invert, {"#..", ".#."}, {}, ".##\n#.#\n", 0},
        {"shift-up drops the top row", T::ShiftUp, {"###", ".#.", "..#"}, {}, ".#.\n..#\n...\n", 3},
        {"shift-down drops the bottom row", T::ShiftDown, {"#..", ".#.", "..#"}, {}, "...\n#..\n.#.\n", 1},
        {"bold smears right", T::Bold, {"#...", ".#.."}, {}, "##..\n.##.\n", 0},
        {"bold at the edge widens first", T::Bold, {"..#", "#.."}, {}, "..##\n##..\n", 0},
        {"bold at 15 columns keeps the width", T::Bold, {"#.............#"}, {}, "##............#\n", 0},
        // Height 8: k = 2, so rows 6-5 move 1, 4-3 move 2, 2-1 move 3, 0 moves 4.
        {"oblique about the last row",
         T::Oblique,
         {"#.....", "#.....", "#.....", "#.....", "#.....", "#.....", "#.....", "#....."},
         {},
         "....#.\n...#..\n...#..\n..#...\n..#...\n.#....\n.#....\n#.....\n",
         0},
        // Height 4: k = 1; baseline row 2, the row below it stays.
        {"oblique about the baseline, ink pushed out is lost",
         T::Oblique,
         {"..#", ".#.", "#..", "#.."},
         2,
         "...\n..#\n#..\n#..\n",
         1},
        {"a baseline outside the glyph leans about the last row", T::Oblique, {"#.", "#."}, 7, ".#\n#.\n", 0},
    };
    for (const Case& c : cases) {
        const MonoImage glyph = picture(c.before);
        const int w = glyph.width(), h = glyph.height();
        // The glyph as the editor holds it, with a spare bit inked beyond the width.
        MonoImage image = glyph.copy(0, 0, GlyphImageWidth(w + 1), h);
        image.setPixel(w, 0, Pixel::Ink);
        const TransformedGlyph out = TransformGlyph(c.transform, image, w, h, c.baseline);
        EXPECT_EQ(show(out.image.copy(0, 0, out.width, h)), c.after) << c.name;
        EXPECT_EQ(out.inkLost, c.inkLost) << c.name;
        EXPECT_EQ(out.image.width(), GlyphImageWidth(out.width)) << c.name;
        EXPECT_EQ(show(out.image), show(out.image.copy(0, 0, out.width, h).copy(0, 0, out.image.width(), h)))
            << c.name << ": paper beyond the width";
    }
}

TEST(GlyphTransforms, AreaIsTransformedAsAGlyphOfItsOwnAndNothingElseChanges) {
    const MonoImage image = picture({"#....#", "##..##", "#....#"});
    struct Case {
        T transform;
        PixelRect rect;
        std::optional<int> baseline;
        const char* after;
        int inkLost;
    } cases[] = {
        {T::FlipHorizontal, {0, 0, 3, 3}, {}, "..#..#\n.##.##\n..#..#\n", 0},
        {T::Invert, {2, 1, 4, 2}, {}, "#....#\n######\n#....#\n", 0},
        {T::Bold, {0, 0, 2, 3}, {}, "##...#\n##..##\n##...#\n", 0},     // never widens
        {T::ShiftUp, {4, 0, 9, 9}, {}, "#...##\n##...#\n#.....\n", 1},  // clipped to the image
        {T::Oblique, {0, 1, 3, 3}, 2, "#....#\n.##.##\n#....#\n", 0},
    };
    for (const Case& c : cases) {
        const TransformedArea out = TransformArea(c.transform, image, c.rect, c.baseline);
        EXPECT_EQ(show(out.image), c.after) << DescribeTransform(c.transform).toolName;
        EXPECT_EQ(out.inkLost, c.inkLost) << DescribeTransform(c.transform).toolName;
    }
}

TEST(GlyphTransforms, ToolNamesAndCaptionsNameEachTransformOnce) {
    const char* names[] = {"flip-h", "flip-v", "rotate-180", "invert", "shift-up", "shift-down", "bold", "oblique"};
    ASSERT_EQ(GlyphTransformTable().size(), std::size(names));
    for (const char* name : names) {
        const std::optional<GlyphTransform> t = TransformByToolName(name);
        ASSERT_TRUE(t) << name;
        EXPECT_EQ(DescribeTransform(*t).toolName, name);
        EXPECT_FALSE(DescribeTransform(*t).caption.empty());
    }
    EXPECT_EQ(DescribeTransform(T::Rotate180).caption, "Rotate 180\u00B0");
    EXPECT_FALSE(TransformByToolName("rotate"));
}

}  // namespace
}  // namespace glyphora::test
