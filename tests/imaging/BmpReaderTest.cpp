#include "BmpFormat.h"
#include "BmpReader.h"
#include "ColorReduce.h"
#include "ImageMagick.h"
#include "Picture.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

namespace glyphora {
namespace {

using bmp::LoadLE32;
using bmp::StoreLE16;
using bmp::StoreLE32;

// The pictures ImageMagick draws, 21 x 19 so that rows need padding: a black
// square (2,2)-(9,9) and a blue block (12,3)-(17,15) on white, on a light
// gradient, or on nothing (transparent, the block half transparent).
const std::string kPlain =
    "-size 21x19 xc:white -fill black -draw 'rectangle 2,2 9,9' "
    "-fill '#3080c0' -draw 'rectangle 12,3 17,15'";
const std::string kShaded =
    "-size 21x19 gradient:white-'#c0e0ff' -fill black -draw 'rectangle 2,2 9,9' "
    "-fill '#3080c0' -draw 'rectangle 12,3 17,15'";
const std::string kSeeThrough =
    "-size 21x19 xc:none -fill black -draw 'rectangle 2,2 9,9' "
    "-fill '#3080c080' -draw 'rectangle 12,3 17,15'";

// The top-left 11 x 11 pixels of each of them, reduced to ink and paper.
const std::string kSquare = test::show({
    "...........",
    "...........",
    "..########.",
    "..########.",
    "..########.",
    "..########.",
    "..########.",
    "..########.",
    "..########.",
    "..########.",
    "...........",
});

RgbaImage CropOf(const RgbaImage& full, int w, int h) {
    RgbaImage out{w, h, {}};
    for (int y = 0; y < h; ++y) {
        const auto from = full.rgba.begin() + static_cast<std::ptrdiff_t>(y) * full.width * 4;
        out.rgba.insert(out.rgba.end(), from, from + w * 4);
    }
    return out;
}

// Rows turned upside down and the height negated: the same picture, top-down.
void MakeTopDown(std::vector<uint8_t>& f) {
    const uint32_t offset = LoadLE32(&f[10]);
    const int width = static_cast<int>(LoadLE32(&f[18]));
    const int height = static_cast<int>(LoadLE32(&f[22]));
    const int bits = f[28];
    const std::size_t stride = bmp::RowStride(static_cast<uint64_t>(width), static_cast<unsigned>(bits));
    std::vector<uint8_t> rows(f.begin() + offset, f.begin() + offset + static_cast<std::ptrdiff_t>(stride * height));
    for (int y = 0; y < height; ++y)
        std::copy_n(rows.begin() + static_cast<std::ptrdiff_t>(stride * (height - 1 - y)), stride,
                    f.begin() + offset + static_cast<std::ptrdiff_t>(stride * y));
    StoreLE32(&f[22], static_cast<uint32_t>(-height));
}

// A 32-bit BI_RGB file whose fourth bytes are all zero, as Windows writes BGRX.
void ZeroFourthBytes(std::vector<uint8_t>& f) {
    for (std::size_t i = LoadLE32(&f[10]) + 3; i < f.size(); i += 4) f[i] = 0;
}

struct Kind {
    const char* name;
    std::string convert;  // picture and options
    std::string format;   // BMP3 (40-byte header), BMP (V5), BMP2 (OS/2)
    int bits;
    uint32_t compression;
    uint32_t headerSize;
    bool alpha = false;
    std::function<void(std::vector<uint8_t>&)> patch = {};
    bool referenceBeforePatch = false;  // we read the patched file as ImageMagick reads the original
    // ImageMagick widens 4-bit channels by a shift (15 gives 240, so opaque is
    // not quite opaque); we repeat the bits (15 gives 255).
    bool reference4BitsShifted = false;
};

const std::vector<Kind>& Kinds() {
    static const std::vector<Kind> kinds = {
        {"1 bit", kPlain + " -type bilevel", "BMP3", 1, 0, 40},
        {"4 bits", kPlain + " -type palette", "BMP3", 4, 0, 40},
        {"8 bits", kShaded + " -colors 40 -type palette -compress None", "BMP3", 8, 0, 40},
        {"RLE8", kShaded + " -colors 40 -type palette -compress RLE", "BMP3", 8, 1, 40},
        {"16 bits, 5-5-5 masks", kShaded + " -alpha off -define bmp:subtype=RGB555", "BMP", 16, 3, 124},
        {"16 bits, 5-6-5 masks", kShaded + " -alpha off -define bmp:subtype=RGB565", "BMP", 16, 3, 124},
        {"16 bits, 5-5-5 without masks", kShaded + " -alpha off -define bmp:subtype=RGB555", "BMP", 16, 0, 124, false,
         [](std::vector<uint8_t>& f) { StoreLE32(&f[30], 0); }},
        {"16 bits, 4-4-4-4 with alpha",
         kSeeThrough + " -define bmp:subtype=ARGB4444",
         "BMP",
         16,
         3,
         124,
         true,
         {},
         false,
         true},
        {"24 bits", kShaded + " -type truecolor", "BMP3", 24, 0, 40},
        {"24 bits, top-down", kShaded + " -type truecolor", "BMP3", 24, 0, 40, false, MakeTopDown},
        {"24 bits, V5 header", kShaded + " -type truecolor", "BMP", 24, 0, 124},
        {"24 bits, OS/2 header", kShaded + " -type truecolor", "BMP2", 24, 0, 12},
        {"4 bits, OS/2 header", kPlain + " -type palette", "BMP2", 4, 0, 12},
        {"32 bits, V5 masks with alpha", kSeeThrough, "BMP", 32, 3, 124, true},
        {"32 bits, V4 masks with alpha", kSeeThrough, "BMP", 32, 3, 108, true,
         [](std::vector<uint8_t>& f) { StoreLE32(&f[14], 108); }},
        {"32 bits, alpha in the fourth byte", kSeeThrough + " -define bmp3:alpha=true", "BMP3", 32, 0, 40, true},
        {"32 bits, fourth byte unused", kShaded + " -define bmp3:alpha=true", "BMP3", 32, 0, 40, false, ZeroFourthBytes,
         true},
    };
    return kinds;
}

TEST(BmpReader, ReadsWhatImageMagickWrites) {
    GLYPHORA_NEED_IMAGEMAGICK();
    ::glyphora::testing::TempFolder dir;
    for (const Kind& k : Kinds()) {
        SCOPED_TRACE(k.name);
        const std::string path = dir.path("picture.bmp");
        test::Run("convert " + k.convert + " " + k.format + ":'" + path + "'");
        std::vector<uint8_t> file = test::ReadFile(path);
        std::vector<uint8_t> reference;
        if (k.referenceBeforePatch) reference = test::Decoded(dir, path);
        if (k.patch) {
            k.patch(file);
            test::WriteFile(path, file);
        }
        if (!k.referenceBeforePatch) reference = test::Decoded(dir, path);
        if (k.reference4BitsShifted)
            for (uint8_t& b : reference) b = static_cast<uint8_t>(b | b >> 4);

        const Result<BmpHeader> header = ReadBmpHeader(file);
        ASSERT_TRUE(header) << header.error().message;
        EXPECT_EQ(header->bitsPerPixel, k.bits);
        EXPECT_EQ(header->compression, k.compression);
        EXPECT_EQ(header->headerSize, k.headerSize);
        EXPECT_EQ(header->hasAlpha, k.alpha);
        EXPECT_EQ(header->width, 21);
        EXPECT_EQ(header->height, 19);

        const Result<RgbaImage> full = ReadBmp(file, 100, 100);
        ASSERT_TRUE(full) << full.error().message;
        EXPECT_EQ(full->width, 21);
        EXPECT_EQ(full->height, 19);
        EXPECT_EQ(full->rgba, reference);

        const Result<RgbaImage> crop = ReadBmp(file, 11, 11);
        ASSERT_TRUE(crop) << crop.error().message;
        EXPECT_EQ(crop->rgba, CropOf(*full, 11, 11).rgba);
        EXPECT_EQ(test::show(ReduceToMono(*crop)), kSquare);
    }
}

// A BMP of our own making, with a 40-byte header.
std::vector<uint8_t> MakeBmp(int width, int height, int bits, uint32_t compression, std::vector<uint32_t> palette,
                             std::vector<uint8_t> pixels) {
    const std::size_t offset = 14 + 40 + palette.size() * 4;
    std::vector<uint8_t> f(offset, 0);
    f[0] = 'B';
    f[1] = 'M';
    StoreLE32(&f[2], static_cast<uint32_t>(offset + pixels.size()));
    StoreLE32(&f[10], static_cast<uint32_t>(offset));
    StoreLE32(&f[14], 40);
    StoreLE32(&f[18], static_cast<uint32_t>(width));
    StoreLE32(&f[22], static_cast<uint32_t>(height));
    StoreLE16(&f[26], 1);
    StoreLE16(&f[28], static_cast<uint16_t>(bits));
    StoreLE32(&f[30], compression);
    StoreLE32(&f[34], static_cast<uint32_t>(pixels.size()));
    StoreLE32(&f[46], static_cast<uint32_t>(palette.size()));
    for (std::size_t i = 0; i < palette.size(); ++i) StoreLE32(&f[54 + 4 * i], palette[i]);
    f.insert(f.end(), pixels.begin(), pixels.end());
    return f;
}

std::vector<uint32_t> Greys16() {
    std::vector<uint32_t> p;
    for (uint32_t i = 0; i < 16; ++i) p.push_back(0x111111u * i);
    return p;
}

TEST(BmpReader, ReadsRle4AsImageMagickDoes) {
    GLYPHORA_NEED_IMAGEMAGICK();
    // 7 x 3, bottom row first: runs of alternating nibbles, literal nibbles
    // with and without word padding, a run cut at the right edge.
    const std::vector<uint8_t> stream = {4, 0x12, 0,    3,    0x34, 0x50, 0, 0,     // 1 2 1 2 3 4 5
                                         9, 0xF0, 0,    0,                          // F 0 F 0 F 0 F (two more cut off)
                                         0, 5,    0xAB, 0xCD, 0xE0, 0x00, 2, 0x66,  // A B C D E 6 6
                                         0, 1};
    const auto file = MakeBmp(7, 3, 4, bmp::kRle4, Greys16(), stream);
    ::glyphora::testing::TempFolder dir;
    test::WriteFile(dir.path("rle4.bmp"), file);
    const Result<RgbaImage> image = ReadBmp(file, 7, 3);
    ASSERT_TRUE(image) << image.error().message;
    EXPECT_EQ(image->rgba, test::Decoded(dir, dir.path("rle4.bmp")));
    EXPECT_EQ(image->rgba[0], 0xAA);  // top-left: index A
}

TEST(BmpReader, RleSkipsTakeTheFirstColour) {
    // Colour 0 black, 1 white; 6 x 4, bottom row first. A delta and an early
    // end of line or bitmap leave pixels unwritten: they show colour 0.
    const std::vector<uint8_t> stream = {6, 1, 0, 0,        // row 3: white
                                         2, 1, 0, 2, 2, 1,  // row 2: two white, then right 2 and up 1
                                         2, 1, 0, 0,        // row 1 from x = 4: two white
                                         3, 1, 0, 1};       // row 0: three white, end of bitmap
    const auto file = MakeBmp(6, 4, 8, bmp::kRle8, {0x000000, 0xFFFFFF}, stream);
    const Result<RgbaImage> image = ReadBmp(file, 6, 4);
    ASSERT_TRUE(image) << image.error().message;
    EXPECT_EQ(test::show(ReduceToMono(*image)), test::show({
                                                    "...###",
                                                    "####..",
                                                    "..####",
                                                    "......",
                                                }));
}

TEST(BmpReader, AHugePictureCostsOnlyItsCrop) {
    // 60000 x 60000 pixels in a few bytes of RLE: only the crop is held.
    const auto file = MakeBmp(60000, 60000, 8, bmp::kRle8, {0x000000, 0xFFFFFF}, {0, 1});
    const Result<RgbaImage> crop = ReadBmp(file, 10, 12);
    ASSERT_TRUE(crop) << crop.error().message;
    EXPECT_EQ(crop->width, 10);
    EXPECT_EQ(crop->height, 12);
    EXPECT_EQ(ReadBmpHeader(file)->width, 60000);
    const Result<RgbaImage> all = ReadBmp(file, INT_MAX, INT_MAX);
    ASSERT_FALSE(all);
    EXPECT_EQ(all.error().kind, ErrorKind::Unsupported);
    EXPECT_EQ(all.error().message, "the picture is too large to decode: 60000 x 60000 pixels");
}

TEST(BmpReader, RefusesWhatIsWrongWithAMessage) {
    // 21 x 19 at 24 bits: rows of 63 bytes padded to 64.
    const auto good = MakeBmp(21, 19, 24, bmp::kRgb, {}, std::vector<uint8_t>(64 * 19, 0x80));
    ASSERT_TRUE(ReadBmp(good, 50, 50));
    struct Case {
        const char* what;
        std::function<void(std::vector<uint8_t>&)> spoil;
        ErrorKind kind;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"cut rows", [](auto& f) { f.erase(f.end() - 2, f.end()); }, ErrorKind::Malformed,
         "the file is cut: the pixel rows need 1215 bytes, it has 1214"},
        {"cut header", [](auto& f) { f.erase(f.begin() + 30, f.end()); }, ErrorKind::Malformed,
         "the file is cut inside the BMP info header: it needs 54 bytes, the file has 30"},
        {"signature", [](auto& f) { f[1] = 'A'; }, ErrorKind::Malformed,
         "the file does not start with the BMP signature \"BM\""},
        {"header size", [](auto& f) { StoreLE32(&f[14], 20); }, ErrorKind::Unsupported,
         "a BMP info header of 20 bytes is not supported"},
        {"JPEG", [](auto& f) { StoreLE32(&f[30], 4); }, ErrorKind::Unsupported,
         "BMP compression 4 (JPEG) is not supported"},
        {"PNG", [](auto& f) { StoreLE32(&f[30], 5); }, ErrorKind::Unsupported,
         "BMP compression 5 (PNG) is not supported"},
        {"unknown compression", [](auto& f) { StoreLE32(&f[30], 9); }, ErrorKind::Malformed,
         "BMP compression 9 is unknown"},
        {"RLE8 of 24 bits", [](auto& f) { StoreLE32(&f[30], 1); }, ErrorKind::Malformed,
         "RLE8 compression needs 8 bits per pixel, the file has 24"},
        {"7 bits", [](auto& f) { StoreLE16(&f[28], 7); }, ErrorKind::Malformed, "a BMP cannot have 7 bits per pixel"},
        {"width 0", [](auto& f) { StoreLE32(&f[18], 0); }, ErrorKind::Malformed, "the picture width 0 is not positive"},
        {"height 0", [](auto& f) { StoreLE32(&f[22], 0); }, ErrorKind::Malformed, "the picture height is 0"},
        {"offset in the header", [](auto& f) { StoreLE32(&f[10], 20); }, ErrorKind::Malformed,
         "the pixel data offset 20 lies inside the headers, which end at 54"},
        {"offset past the end", [](auto& f) { StoreLE32(&f[10], 5000); }, ErrorKind::Malformed,
         "the file is cut: the pixel data should start at offset 5000, the file has 1270 bytes"},
        {"huge width", [](auto& f) { StoreLE32(&f[18], 0x7FFFFFFF); }, ErrorKind::Malformed,
         "the file is cut: the pixel rows need 122406567933 bytes, it has 1216"},
    };
    for (const Case& c : cases) {
        auto file = good;
        c.spoil(file);
        const Result<RgbaImage> read = ReadBmp(file, 50, 50);
        ASSERT_FALSE(read) << c.what;
        EXPECT_EQ(read.error().kind, c.kind) << c.what;
        EXPECT_EQ(read.error().message, c.message) << c.what;
    }

    const auto rle = MakeBmp(6, 4, 8, bmp::kRle8, {0, 0xFFFFFF}, {6, 1, 0, 0, 6, 1});
    EXPECT_EQ(ReadBmp(rle, 6, 4).error().message, "the file is cut: the RLE data ends in pixel row 2 of 4");
}

TEST(BmpReader, NoBrokenFileCrashesIt) {
    std::vector<std::vector<uint8_t>> files = {
        MakeBmp(21, 19, 24, bmp::kRgb, {}, std::vector<uint8_t>(64 * 19, 0x80)),
        MakeBmp(13, 5, 4, bmp::kRgb, Greys16(), std::vector<uint8_t>(4 * 5, 0x5A)),
        MakeBmp(9, 5, 8, bmp::kRle8, {0, 0xFFFFFF, 0xFF}, {3, 1, 0, 4, 1, 2, 0, 1, 0, 2, 2, 1, 9, 2, 0, 0, 0, 1}),
        MakeBmp(9, 5, 4, bmp::kRle4, Greys16(), {3, 0x12, 0, 5, 0x12, 0x34, 0x50, 0, 0, 2, 2, 1, 0, 1}),
        MakeBmp(7, 3, 32, bmp::kBitfields, {0xF800, 0x07E0, 0x001F}, std::vector<uint8_t>(28 * 3, 0xC3)),
    };
    auto expectSound = [](const std::vector<uint8_t>& f) {
        for (const int side : {4, 64}) {
            const Result<RgbaImage> read = ReadBmp(f, side, side);
            if (!read) {
                EXPECT_FALSE(read.error().message.empty());
            } else {
                EXPECT_EQ(read->rgba.size(), static_cast<std::size_t>(read->width) * read->height * 4);
            }
        }
    };
    for (const auto& file : files) {
        for (std::size_t n = 0; n < file.size(); ++n) expectSound({file.begin(), file.begin() + n});
        // Each byte of the headers and the colour table spoiled in turn.
        for (std::size_t i = 0; i < std::min<std::size_t>(file.size(), 120); ++i)
            for (const int v : {0x00, 0x01, 0x7F, 0x80, 0xFF}) {
                auto f = file;
                f[i] = static_cast<uint8_t>(v);
                expectSound(f);
            }
    }
}

}  // namespace
}  // namespace glyphora
