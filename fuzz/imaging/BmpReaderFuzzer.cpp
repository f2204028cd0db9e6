// Any bytes: the reader refuses them with a message or decodes them; the
// header check and the decoding agree, a crop is the top-left of a larger
// one, and what is decoded reduces to a 1-bit image of the same size.
#include "BmpReader.h"
#include "ColorReduce.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using namespace glyphora;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "fuzz_bmp_reader: %s\n", what);
    std::abort();
}

constexpr int kSmall = 16;
constexpr int kLarge = 200;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    const Result<BmpHeader> header = ReadBmpHeader(bytes);
    const Result<RgbaImage> small = ReadBmp(bytes, kSmall, kSmall);
    const Result<RgbaImage> large = ReadBmp(bytes, kLarge, kLarge);
    if (header.has_value() != small.has_value() || header.has_value() != large.has_value())
        Fail("the header check and the decoding disagree");
    if (!header) {
        if (header.error().message.empty() || small.error().message.empty()) Fail("a refusal without a message");
        if (header.error().kind != ErrorKind::Malformed && header.error().kind != ErrorKind::Unsupported)
            Fail("a refusal of another kind");
        return 0;
    }
    if (header->width <= 0 || header->height <= 0) Fail("a picture without pixels");
    for (const auto* image : {&*small, &*large}) {
        const int limit = image == &*small ? kSmall : kLarge;
        if (image->width != std::min(header->width, limit) || image->height != std::min(header->height, limit))
            Fail("the crop has the wrong size");
        if (image->rgba.size() != static_cast<std::size_t>(image->width) * image->height * 4)
            Fail("the pixels do not fill the crop");
        const MonoImage mono = ReduceToMono(*image);
        if (mono.width() != image->width || mono.height() != image->height) Fail("the 1-bit image has another size");
    }
    for (int y = 0; y < small->height; ++y)
        if (std::memcmp(small->rgba.data() + static_cast<std::size_t>(y) * small->width * 4,
                        large->rgba.data() + static_cast<std::size_t>(y) * large->width * 4,
                        static_cast<std::size_t>(small->width) * 4) != 0)
            Fail("a small crop is not the top-left of a larger one");
    return 0;
}
