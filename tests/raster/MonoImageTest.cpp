#include "MonoImage.h"
#include "Picture.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

// draw() works a byte at a time; every offset must agree with a pixel-by-pixel copy.
TEST(MonoImage, DrawAgreesWithPixelCopyAtEveryOffset) {
    MonoImage src(13, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 13; ++x)
            if ((x * 7 + y * 3) % 5 < 2) src.setPixel(x, y, Pixel::Ink);
    for (const int destWidth : {5, 8, 15, 16, 17}) {
        for (int dx = -15; dx <= 18; ++dx) {
            for (const int dy : {-6, -2, 0, 3}) {
                MonoImage fast(destWidth, 4, Pixel::Ink), slow(destWidth, 4, Pixel::Ink);
                fast.draw(src, dx, dy);
                for (int y = 0; y < 4; ++y)
                    for (int x = 0; x < destWidth; ++x)
                        if (src.contains(x - dx, y - dy)) slow.setPixel(x, y, src.pixel(x - dx, y - dy));
                ASSERT_EQ(test::show(fast), test::show(slow)) << destWidth << " at " << dx << "," << dy;
                ASSERT_EQ(fast, slow) << "spare bits changed, " << destWidth << " at " << dx << "," << dy;
            }
        }
    }
}

}  // namespace
}  // namespace glyphora
