#include "ImageConvert.h"
#include "Picture.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

TEST(ImageConvert, RoundTripsThroughMonoAndRgb) {
    const MonoImage glyph = test::picture({"#..#.#.##", ".#......#", "#########"});
    for (const QImage::Format f : {QImage::Format_Mono, QImage::Format_RGB32}) {
        const QImage q = toQImage(glyph, f);
        EXPECT_EQ(q.size(), QSize(9, 3));
        EXPECT_EQ(q.pixel(0, 0), qRgb(0, 0, 0));
        EXPECT_EQ(q.pixel(1, 0), qRgb(255, 255, 255));
        EXPECT_EQ(fromQImage(q), glyph);
    }
}

TEST(ImageConvert, EachPixelBecomesTheNearerOfBlackAndWhite) {
    QImage q(5, 1, QImage::Format_ARGB32);
    q.setPixel(0, 0, qRgba(127, 127, 127, 255));
    q.setPixel(1, 0, qRgba(128, 128, 128, 255));
    q.setPixel(2, 0, qRgba(0, 0, 0, 0));      // transparent: paper
    q.setPixel(3, 0, qRgba(0, 0, 0, 200));    // mostly opaque black: ink
    q.setPixel(4, 0, qRgba(255, 0, 0, 255));  // red is dark
    EXPECT_EQ(test::show(fromQImage(q)), test::show({"#..##"}));
    EXPECT_TRUE(fromQImage(QImage()).isEmpty());
}

}  // namespace
}  // namespace glyphora
