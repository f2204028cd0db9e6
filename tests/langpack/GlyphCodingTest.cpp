#include "GlyphCoding.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

// Pixel (x, y) of a glyph of this width read through its image; outside the glyph nothing is ink.
bool IsInk(const std::vector<uint8_t>& memoryRows, int width, int x, int y) {
    return x < width && y >= 0 && GlyphRowsToImage(memoryRows, width, y + 1).isInk(x, y);
}

TEST(GlyphCoding, DataSizeByWidth) {
    struct Case {
        int width, height;
        std::size_t bytes;
    };
    const Case cases[] = {{0, 12, 12}, {1, 12, 12}, {8, 12, 12}, {9, 12, 24}, {15, 12, 24}, {9, 2, 4}, {5, 0, 0}};
    for (const Case& c : cases) EXPECT_EQ(GlyphDataSize(c.width, c.height), c.bytes) << c.width << "x" << c.height;
}

TEST(GlyphCoding, MemoryFormIsTheFileFormInverted) {
    const std::vector<uint8_t> file = {0x81, 0x00, 0xFF, 0xF8};
    const std::vector<uint8_t> memory = InvertRows(file);
    EXPECT_EQ(memory, (std::vector<uint8_t>{0x7E, 0xFF, 0x00, 0x07}));
    EXPECT_EQ(InvertRows(memory), file);
}

TEST(GlyphCoding, InkPixels) {
    // Width 8, file row 0x81: ink in columns 0 and 7.
    const std::vector<uint8_t> narrow = InvertRows(std::vector<uint8_t>{0x81});
    for (int x = 0; x < 8; ++x) EXPECT_EQ(IsInk(narrow, 8, x, 0), x == 0 || x == 7) << x;

    // Width 9, height 2, file bytes 80 80 00 00: ink at (0, 0) and (8, 0).
    const std::vector<uint8_t> wide = InvertRows(std::vector<uint8_t>{0x80, 0x80, 0x00, 0x00});
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 9; ++x) EXPECT_EQ(IsInk(wide, 9, x, y), y == 0 && (x == 0 || x == 8)) << x << "," << y;

    // Bits right of the width carry no pixel; outside the glyph nothing is ink.
    const std::vector<uint8_t> full = InvertRows(std::vector<uint8_t>{0xFF});
    EXPECT_TRUE(IsInk(full, 5, 4, 0));
    EXPECT_FALSE(IsInk(full, 5, 5, 0));
    EXPECT_FALSE(IsInk(full, 5, 0, 1));
    EXPECT_FALSE(IsInk(full, 5, -1, 0));
}

}  // namespace
}  // namespace glyphora
