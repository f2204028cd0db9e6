#include "BmpReader.h"
#include "BmpWriter.h"
#include "ColorReduce.h"
#include "ImageMagick.h"
#include "Picture.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

// A glyph 9 pixels wide as the editor holds it: 16 wide, the spare columns
// as they are (here some ink, as right after a glyph is loaded).
const MonoImage kGlyph = test::picture({
    "#.......#..#....",
    ".#.....#.......#",
    "..#####........#",
});

TEST(BmpWriter, WritesAOneBitBmpThatReadsBack) {
    const std::vector<uint8_t> file = WriteMonoBmp(kGlyph);
    ASSERT_EQ(file.size(), 14u + 40 + 8 + 4 * 3);
    // Index 0 black, index 1 white.
    EXPECT_EQ(std::vector<uint8_t>(file.begin() + 54, file.begin() + 62),
              (std::vector<uint8_t>{0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0}));
    const Result<BmpHeader> header = ReadBmpHeader(file);
    ASSERT_TRUE(header) << header.error().message;
    EXPECT_EQ(header->bitsPerPixel, 1);
    EXPECT_FALSE(header->topDown);
    const Result<RgbaImage> back = ReadBmp(file, 100, 100);
    ASSERT_TRUE(back) << back.error().message;
    EXPECT_EQ(test::show(ReduceToMono(*back)), test::show(kGlyph));

    EXPECT_TRUE(WriteMonoBmp(MonoImage(0, 12)).empty());
}

TEST(BmpWriter, ImageMagickReadsOneBitOfTheRoundedWidth) {
    GLYPHORA_NEED_IMAGEMAGICK();
    ::glyphora::testing::TempFolder dir;
    const std::string path = dir.path("glyph.bmp");
    test::WriteFile(path, WriteMonoBmp(kGlyph));
    EXPECT_EQ(test::Run("identify -format '%z %w %h' '" + path + "'"), "1 16 3");
    std::vector<uint8_t> expected;
    for (int y = 0; y < kGlyph.height(); ++y)
        for (int x = 0; x < kGlyph.width(); ++x) expected.push_back(kGlyph.isInk(x, y) ? 0 : 255);
    EXPECT_EQ(test::Decoded(dir, path, "GRAY"), expected);
}

TEST(ColorReduce, EachPixelBecomesTheNearerOfBlackAndWhite) {
    const RgbaImage colours{6,
                            1,
                            {
                                127, 127, 127, 255,  // just below the middle: ink
                                128, 128, 128, 255,  // paper
                                0,   0,   0,   0,    // transparent: paper
                                0,   0,   0,   200,  // mostly opaque black: ink
                                255, 0,   0,   255,  // red is dark
                                255, 255, 0,   255,  // yellow is light
                            }};
    EXPECT_EQ(test::show(ReduceToMono(colours)), test::show({"#..##."}));
    EXPECT_TRUE(ReduceToMono(RgbaImage{2, 2, std::vector<uint8_t>(12)}).isEmpty());
}

}  // namespace
}  // namespace glyphora
