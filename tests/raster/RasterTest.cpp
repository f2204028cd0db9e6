#include "Picture.h"
#include "Raster.h"

#include <gtest/gtest.h>

#include <functional>

namespace glyphora {
namespace {

using test::picture;
using test::show;

struct LineCase {
    PixelPoint from, to;
    std::initializer_list<std::string_view> expected;
};

TEST(Raster, LineStopsOneShortOfItsEnd) {
    const LineCase cases[] = {
        {{0, 0}, {3, 0}, {"###.", "....", "....", "...."}}, {{2, 2}, {2, 2}, {"....", "....", "....", "...."}},
        {{3, 3}, {0, 0}, {"....", ".#..", "..#.", "...#"}}, {{0, 0}, {1, 3}, {"#...", "#...", ".#..", "...."}},
        {{3, 0}, {0, 1}, {"..##", ".#..", "....", "...."}},
    };
    for (const LineCase& c : cases) {
        MonoImage image(4, 4);
        DrawLine(image, c.from, c.to, Pen{Pixel::Ink});
        EXPECT_EQ(show(image), show(c.expected)) << c.from.x << "," << c.from.y << " -> " << c.to.x << "," << c.to.y;
    }
}

// Every size a glyph allows: the outline stays in its box, touches all four
// sides, leaves no row or column of the box empty and is mirror-symmetric.
TEST(Raster, EllipseFitsItsBoxSymmetricallyAtEverySize) {
    for (int w = 1; w <= 16; ++w) {
        for (int h = 1; h <= 255; h += (h < 40 ? 1 : 23)) {
            MonoImage image(w + 2, h + 2);
            DrawEllipse(image, {1, 1, w + 1, h + 1}, Pen{Pixel::Ink});
            for (int y = 0; y < h + 2; ++y) {
                bool rowInk = false;
                for (int x = 0; x < w + 2; ++x) {
                    const bool ink = image.isInk(x, y);
                    rowInk |= ink;
                    ASSERT_EQ(ink, image.isInk(w + 1 - x, y)) << w << "x" << h;
                    ASSERT_EQ(ink, image.isInk(x, h + 1 - y)) << w << "x" << h;
                    if (x == 0 || y == 0 || x == w + 1 || y == h + 1) {
                        ASSERT_FALSE(ink) << w << "x" << h;
                    }
                }
                if (y >= 1 && y <= h) {
                    ASSERT_TRUE(rowInk) << w << "x" << h << " row " << y;
                }
            }
            for (int x = 1; x <= w; ++x) {
                bool colInk = false;
                for (int y = 1; y <= h; ++y) colInk |= image.isInk(x, y);
                ASSERT_TRUE(colInk) << w << "x" << h << " column " << x;
            }
        }
    }
}

// A not-xor drawing inverts under ink, leaves paper alone, and drawn twice
// restores the image, however small or clipped the shape is.
TEST(Raster, NotXorDrawingTwiceRestoresExactly) {
    const MonoImage base = picture({"#.#.#..#", ".##..#.#", "#..##.#.", "..#.#.##", "#.#...#."});
    const PixelRect rects[] = {{2, 1, 3, 2}, {1, 0, 2, 5},   {0, 2, 8, 3}, {1, 1, 3, 3},
                               {0, 0, 8, 5}, {-2, -1, 4, 9}, {6, 3, 11, 7}};
    using Shape = std::function<void(MonoImage&, PixelRect, Pixel)>;
    const Shape shapes[] = {
        [](MonoImage& m, PixelRect r, Pixel c) {
            DrawRectangle(m, r, Pen{c, PenMode::NotXor});
        },
        [](MonoImage& m, PixelRect r, Pixel c) {
            DrawRectangle(m, r, Pen{c, PenMode::NotXor}, Pen{c, PenMode::NotXor});
        },
        [](MonoImage& m, PixelRect r, Pixel c) {
            DrawEllipse(m, r, Pen{c, PenMode::NotXor});
        },
        [](MonoImage& m, PixelRect r, Pixel c) {
            DrawEllipse(m, r, Pen{c, PenMode::NotXor}, Pen{c, PenMode::NotXor});
        },
        [](MonoImage& m, PixelRect r, Pixel c) {
            DrawLine(m, {r.Left, r.Top}, {r.Right, r.Bottom}, Pen{c, PenMode::NotXor});
        },
        [](MonoImage& m, PixelRect r, Pixel) { DrawFocusFrame(m, r); },
    };
    for (const PixelRect& r : rects) {
        for (std::size_t s = 0; s < std::size(shapes); ++s) {
            MonoImage white = base;
            shapes[s](white, r, Pixel::Paper);
            if (s != std::size(shapes) - 1) {
                EXPECT_EQ(white, base) << "white shape " << s;
            }
            MonoImage black = base;
            shapes[s](black, r, Pixel::Ink);
            if (r.width() > 0 && r.Left >= 0 && r.Top >= 0 && r.Right <= 8 && r.Bottom <= 5) {
                EXPECT_NE(black, base) << "shape " << s << " drew nothing";
            }
            shapes[s](black, r, Pixel::Ink);
            EXPECT_EQ(show(black), show(base)) << "shape " << s << " at " << r.Left << "," << r.Top;
        }
    }
}

TEST(Raster, FocusFrameDotsAlternateFromTheCorner) {
    MonoImage image(5, 4);
    DrawFocusFrame(image, {0, 0, 5, 4});
    EXPECT_EQ(show(image), show({"#.#.#", ".....", "#...#", ".#.#."}));
    MonoImage one(3, 3);
    DrawFocusFrame(one, {1, 1, 2, 2});
    EXPECT_EQ(show(one), show({"...", ".#.", "..."}));
}

TEST(Raster, FloodFillSpreadsOverFourNeighboursOnly) {
    MonoImage image = picture({"..#...", "..#...", "###...", "...#..", "...#.."});
    FloodFill(image, {0, 0}, Pixel::Ink);
    EXPECT_EQ(show(image), show({"###...", "###...", "###...", "...#..", "...#.."}));
    FloodFill(image, {5, 4}, Pixel::Ink);  // crosses no diagonal gap into the corner
    EXPECT_EQ(show(image), show({"######", "######", "######", "...###", "...###"}));
    MonoImage same = image;
    FloodFill(same, {0, 0}, Pixel::Ink);
    EXPECT_EQ(same, image);
}

TEST(Raster, FloodFillOfTheLargestGlyphNeedsNoRecursion) {
    // A one-pixel-wide serpentine through a 15 x 255 glyph: the longest path a fill can take.
    MonoImage image(15, 255, Pixel::Ink);
    for (int y = 0; y < 255; y += 2) {
        for (int x = 0; x < 15; ++x) image.setPixel(x, y, Pixel::Paper);
        if (y + 1 < 255) image.setPixel((y / 2) % 2 ? 0 : 14, y + 1, Pixel::Paper);
    }
    FloodFill(image, {0, 0}, Pixel::Ink);
    EXPECT_EQ(image, MonoImage(15, 255, Pixel::Ink));
}

}  // namespace
}  // namespace glyphora
