// Any bytes: the PNG reader refuses them with a message or decodes a picture
// within the size limit whose grey our writer and the reader carry over
// unchanged; as a zlib stream they inflate within their bound or are
// refused, and whatever inflates survives a compression and back.
#include "ColorReduce.h"
#include "Deflate.h"
#include "Inflate.h"
#include "PngReader.h"
#include "PngWriter.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace glyphora;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "fuzz_png_reader: %s\n", what);
    std::abort();
}

constexpr int64_t kPixels = int64_t{1} << 16;
constexpr std::size_t kInflated = std::size_t{1} << 18;

void CheckPicture(std::span<const uint8_t> bytes) {
    const Result<RgbaImage> png = ReadPng(bytes, kPixels);
    if (!png) {
        const ErrorKind kind = png.error().kind;
        if (png.error().message.empty()) Fail("a refusal without a message");
        if (kind != ErrorKind::Malformed && kind != ErrorKind::Unsupported && kind != ErrorKind::Refused)
            Fail("a refusal of another kind");
        return;
    }
    if (png->width <= 0 || png->height <= 0 || int64_t{png->width} * png->height > kPixels)
        Fail("a picture without pixels or past the limit");
    if (png->rgba.size() != static_cast<std::size_t>(png->width) * png->height * 4) Fail("the pixels do not fill it");
    const std::vector<uint8_t> grey = GreyOverWhite(*png);
    const Result<RgbaImage> again = ReadPng(WriteGrayPng(png->width, png->height, grey), kPixels);
    if (!again || GreyOverWhite(*again) != grey) Fail("our own grey PNG does not read back");
}

void CheckStream(std::span<const uint8_t> bytes) {
    const Result<std::vector<uint8_t>> out = ZlibInflate(bytes, kInflated);
    if (!out) {
        if (out.error().kind != ErrorKind::Malformed || out.error().message.empty()) Fail("a stream refused badly");
    } else if (out->size() > kInflated) {
        Fail("the stream grew past its bound");
    }
    const std::span<const uint8_t> plain = bytes.first(std::min(bytes.size(), kInflated));
    const Result<std::vector<uint8_t>> back = ZlibInflate(ZlibCompress(plain), plain.size());
    if (!back || !std::equal(back->begin(), back->end(), plain.begin(), plain.end()))
        Fail("compressed data does not inflate to itself");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    CheckPicture(bytes);
    CheckStream(bytes);
    return 0;
}
