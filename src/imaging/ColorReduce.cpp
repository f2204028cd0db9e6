#include "ColorReduce.h"

namespace glyphora {

namespace {
bool HoldsItsPixels(const RgbaImage& image) {
    return image.width > 0 && image.height > 0 &&
           uint64_t{4} * static_cast<uint64_t>(image.width) * static_cast<uint64_t>(image.height) == image.rgba.size();
}
}  // namespace

MonoImage ReduceToMono(const RgbaImage& image) {
    if (!HoldsItsPixels(image)) return MonoImage();
    MonoImage out(image.width, image.height);
    const uint8_t* c = image.rgba.data();
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x, c += 4)
            if (IsInk(c[0], c[1], c[2], c[3])) out.setPixel(x, y, Pixel::Ink);
    return out;
}

std::vector<uint8_t> GreyOverWhite(const RgbaImage& image) {
    if (!HoldsItsPixels(image)) return {};
    std::vector<uint8_t> out(image.rgba.size() / 4);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const uint8_t* c = image.rgba.data() + 4 * i;
        out[i] = static_cast<uint8_t>(GreyOverWhite(c[0], c[1], c[2], c[3]));
    }
    return out;
}

}  // namespace glyphora
