// The PNG reader against ImageMagick's decoding of every form it writes, our
// own writer's stored and fixed-code blocks, and the refusals of broken files.
#include "Checksums.h"
#include "Deflate.h"
#include "ImageMagick.h"
#include "Inflate.h"
#include "PngReader.h"
#include "PngWriter.h"

#include <gtest/gtest.h>

#include <string_view>

namespace glyphora {
namespace {

TEST(PngReader, DecodesEveryFormImageMagickWritesAsItDoes) {
    GLYPHORA_NEED_IMAGEMAGICK();
    ::glyphora::testing::TempFolder dir;
    const std::string shaded = "-size 13x7 gradient:white-'#3060c0' -fill black -draw 'rectangle 1,1 4,4'";
    const std::string clear =
        "-size 13x7 xc:none -fill '#3060c0' -draw 'rectangle 0,0 8,6' -fill black -draw 'rectangle 1,1 4,4'";
    const struct {
        const char* name;
        std::string picture, options;
    } cases[] = {
        {"grey 1 bit", shaded, "-type Bilevel PNG:"},
        {"grey 4 bits", shaded, "-depth 4 -type Grayscale PNG:"},
        {"grey 8 bits", shaded, "-depth 8 -type Grayscale PNG:"},
        {"grey 16 bits", shaded, "-depth 16 -type Grayscale PNG:"},
        {"grey and alpha", clear, "-depth 8 -type GrayscaleAlpha PNG:"},
        {"RGB 16 bits", shaded, "PNG:"},
        {"RGB 8 bits", shaded, "PNG24:"},
        {"RGBA 8 bits", clear, "PNG32:"},
        {"RGBA 16 bits", clear, "-depth 16 PNG64:"},
        {"palette 4 bits", shaded, "-type Palette -colors 4 PNG:"},
        {"palette 8 bits", shaded, "PNG8:"},
        {"palette with transparency", clear, "PNG8:"},
    };
    for (const auto& c : cases) {
        const std::string path = dir.path("picture.png");
        test::Run("convert " + c.picture + " " + c.options + "'" + path + "'");
        Result<RgbaImage> image = ReadPng(test::ReadFile(path));
        ASSERT_TRUE(image.has_value()) << c.name << ": " << image.error().message;
        EXPECT_EQ(image->width, 13) << c.name;
        EXPECT_EQ(image->height, 7) << c.name;
        EXPECT_EQ(image->rgba, test::Decoded(dir, path)) << c.name;
    }
}

TEST(PngReader, ReadsBackWhatOurWriterWrote) {
    // Runs of paper give a fixed-code block, noise stored blocks over 64 KiB.
    for (const int noise : {0, 1}) {
        const int w = 300, h = 250;
        std::vector<uint8_t> grey(static_cast<std::size_t>(w) * h, 255);
        uint32_t seed = 7;
        for (std::size_t i = 0; i < grey.size(); ++i) {
            seed = seed * 1103515245 + 12345;
            grey[i] = noise ? static_cast<uint8_t>(seed >> 16) : i % 7 < 3 ? 0 : 255;
        }
        Result<RgbaImage> image = ReadPng(WriteGrayPng(w, h, grey));
        ASSERT_TRUE(image.has_value()) << image.error().message;
        std::vector<uint8_t> expected;
        for (const uint8_t g : grey) expected.insert(expected.end(), {g, g, g, 255});
        EXPECT_EQ(image->rgba, expected) << "noise " << noise;
    }
}

// A file of one IHDR, the chunks given, the rows compressed as one IDAT, IEND.
struct Chunk {
    std::string type;
    std::vector<uint8_t> data;
};

void Put(std::vector<uint8_t>& out, const Chunk& c) {
    const auto n = static_cast<uint32_t>(c.data.size());
    out.insert(out.end(), {uint8_t(n >> 24), uint8_t(n >> 16), uint8_t(n >> 8), uint8_t(n)});
    const std::size_t at = out.size();
    out.insert(out.end(), c.type.begin(), c.type.end());
    out.insert(out.end(), c.data.begin(), c.data.end());
    const uint32_t crc = Crc32(std::span<const uint8_t>(out).subspan(at));
    out.insert(out.end(), {uint8_t(crc >> 24), uint8_t(crc >> 16), uint8_t(crc >> 8), uint8_t(crc)});
}

std::vector<uint8_t> Png(uint32_t w, uint32_t h, uint8_t depth, uint8_t type, std::vector<uint8_t> raw,
                         std::vector<Chunk> extra = {}, uint8_t interlace = 0) {
    std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Put(out, {"IHDR",
              {uint8_t(w >> 24), uint8_t(w >> 16), uint8_t(w >> 8), uint8_t(w), uint8_t(h >> 24), uint8_t(h >> 16),
               uint8_t(h >> 8), uint8_t(h), depth, type, 0, 0, interlace}});
    for (const Chunk& c : extra) Put(out, c);
    Put(out, {"IDAT", ZlibCompress(raw)});
    Put(out, {"IEND", {}});
    return out;
}

TEST(PngReader, TakesAColourKeyAndRefusesBrokenFilesSayingWhy) {
    // Grey 8 bits, 2 x 1, the second pixel the transparent key 0x40; Sub filter.
    Result<RgbaImage> keyed = ReadPng(Png(2, 1, 8, 0, {1, 0x10, 0x30}, {{"tRNS", {0, 0x40}}}));
    ASSERT_TRUE(keyed.has_value()) << keyed.error().message;
    EXPECT_EQ(keyed->rgba, (std::vector<uint8_t>{0x10, 0x10, 0x10, 255, 0x40, 0x40, 0x40, 0}));

    const std::vector<uint8_t> good = Png(2, 2, 8, 0, {0, 1, 2, 0, 3, 4});
    std::vector<uint8_t> badCrc = good;
    badCrc[30] ^= 1;  // inside IHDR's CRC
    const struct {
        const char* name;
        std::vector<uint8_t> file;
        ErrorKind kind;
        std::string_view says;
    } cases[] = {
        {"not a PNG", {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0}, ErrorKind::Unsupported, "signature"},
        {"a damaged CRC", badCrc, ErrorKind::Malformed, "CRC of chunk IHDR"},
        {"cut short", std::vector<uint8_t>(good.begin(), good.end() - 12), ErrorKind::Malformed, "IEND"},
        {"interlaced", Png(2, 2, 8, 0, {}, {}, 1), ErrorKind::Unsupported, "interlaced"},
        {"16-bit palette", Png(2, 2, 16, 3, {}), ErrorKind::Malformed, "not a PNG form"},
        {"too many pixels", Png(70000, 70000, 8, 0, {}), ErrorKind::Refused, "70000 x 70000"},
        {"an unknown filter", Png(2, 1, 8, 0, {5, 1, 2}), ErrorKind::Malformed, "filter 5"},
        {"rows missing", Png(2, 2, 8, 0, {0, 1, 2}), ErrorKind::Malformed, "not the 6"},
        {"rows to spare", Png(2, 1, 8, 0, {0, 1, 2, 0, 3, 4}), ErrorKind::Malformed, "grows past the 3 bytes"},
        {"a colour beyond the palette", Png(2, 1, 8, 3, {0, 0, 2}, {{"PLTE", {0, 0, 0, 9, 9, 9}}}),
         ErrorKind::Malformed, "colour 2 of a palette of 2"},
        {"no palette", Png(2, 1, 8, 3, {0, 0, 0}), ErrorKind::Malformed, "no PLTE"},
        {"an unknown critical chunk", Png(2, 1, 8, 0, {0, 0, 0}, {{"ZZZZ", {}}}), ErrorKind::Unsupported, "ZZZZ"},
    };
    for (const auto& c : cases) {
        Result<RgbaImage> image = ReadPng(c.file);
        ASSERT_FALSE(image.has_value()) << c.name;
        EXPECT_EQ(image.error().kind, c.kind) << c.name << ": " << image.error().message;
        EXPECT_NE(image.error().message.find(c.says), std::string::npos) << c.name << ": " << image.error().message;
    }
}

TEST(ZlibInflate, RefusesDamagedStreams) {
    const std::vector<uint8_t> data(1000, 'a');
    std::vector<uint8_t> z = ZlibCompress(data);
    Result<std::vector<uint8_t>> back = ZlibInflate(z, data.size());
    ASSERT_TRUE(back.has_value()) << back.error().message;
    EXPECT_EQ(*back, data);
    std::vector<uint8_t> adler = z;
    adler.back() ^= 1;
    std::vector<uint8_t> reserved = {0x78, 0x01, 0x07, 0, 0, 0, 0};      // final block of type 3
    std::vector<uint8_t> far = {0x78, 0x01, 0x03, 0x02, 0, 0, 0, 0, 0};  // a match before the start
    const struct {
        std::vector<uint8_t> stream;
        std::size_t max;
        std::string_view says;
    } cases[] = {
        {adler, data.size(), "Adler-32"},
        {z, data.size() - 1, "grows past"},
        {std::vector<uint8_t>(z.begin(), z.end() - 6), data.size(), "ends"},
        {reserved, 10, "reserved type"},
        {far, 10, "before the start"},
        {{0x79, 0x01, 0, 0, 0, 0}, 10, "zlib header"},
    };
    for (const auto& c : cases) {
        Result<std::vector<uint8_t>> out = ZlibInflate(c.stream, c.max);
        ASSERT_FALSE(out.has_value()) << c.says;
        EXPECT_EQ(out.error().kind, ErrorKind::Malformed);
        EXPECT_NE(out.error().message.find(c.says), std::string::npos) << out.error().message;
    }
}

}  // namespace
}  // namespace glyphora
