#include "Checksums.h"
#include "ImageMagick.h"
#include "PngWriter.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>

namespace glyphora {
namespace {

std::span<const uint8_t> Bytes(std::string_view s) { return {reinterpret_cast<const uint8_t*>(s.data()), s.size()}; }

TEST(Checksums, KnownValues) {
    EXPECT_EQ(Crc32(Bytes("123456789")), 0xCBF43926u);
    EXPECT_EQ(Crc32(Bytes("6789"), Crc32(Bytes("12345"))), 0xCBF43926u);
    EXPECT_EQ(Adler32(Bytes("Wikipedia")), 0x11E60398u);
    EXPECT_EQ(Adler32(std::vector<uint8_t>(100000, 0xFF)), 0x149A302Cu);
}

// Pictures a compressor can get wrong: long runs with matches far back,
// noise that only stored blocks keep small, and more than one IDAT chunk.
std::vector<uint8_t> Sheet(int w, int h, int noisePercent) {
    std::vector<uint8_t> g(static_cast<std::size_t>(w) * h, 255);
    uint32_t seed = 12345;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            seed = seed * 1103515245 + 12345;
            uint8_t& p = g[static_cast<std::size_t>(y) * w + x];
            if (static_cast<int>((seed >> 16) % 100) < noisePercent)
                p = static_cast<uint8_t>(seed >> 8);
            else if ((x / 7 + y / 9) % 3 == 0 && x % 7 < 5)
                p = 0;
        }
    return g;
}

TEST(PngWriter, ImageMagickReadsTheSamePixels) {
    GLYPHORA_NEED_IMAGEMAGICK();
    ::glyphora::testing::TempFolder dir;
    struct Case {
        int w, h, noise;
    };
    for (const Case c :
         {Case{1, 1, 0}, Case{37, 23, 0}, Case{700, 300, 0}, Case{300, 250, 100}, Case{1200, 1000, 100}}) {
        SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
        const auto gray = Sheet(c.w, c.h, c.noise);
        const auto png = WriteGrayPng(c.w, c.h, gray);
        const std::string path = dir.path("sheet.png");
        test::WriteFile(path, png);
        EXPECT_EQ(test::Run("identify -format '%w %h %z' '" + path + "'"),
                  std::to_string(c.w) + " " + std::to_string(c.h) + " 8");
        EXPECT_EQ(test::Decoded(dir, path, "GRAY"), gray);
        if (c.noise == 0 && c.w > 100) {
            EXPECT_LT(png.size(), gray.size() / 10);
        }
    }
}

TEST(PngWriter, SizesThatDoNotMatchGiveNothing) {
    EXPECT_TRUE(WriteGrayPng(0, 5, {}).empty());
    EXPECT_TRUE(WriteGrayPng(3, 3, std::vector<uint8_t>(8)).empty());
}

}  // namespace
}  // namespace glyphora
