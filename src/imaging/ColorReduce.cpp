#include "ColorReduce.h"

namespace glyphora {

MonoImage ReduceToMono(const RgbaImage& image) {
    if (image.width <= 0 || image.height <= 0 ||
        uint64_t{4} * static_cast<uint64_t>(image.width) * static_cast<uint64_t>(image.height) != image.rgba.size())
        return MonoImage();
    MonoImage out(image.width, image.height);
    const uint8_t* c = image.rgba.data();
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x, c += 4)
            if (IsInk(c[0], c[1], c[2], c[3])) out.setPixel(x, y, Pixel::Ink);
    return out;
}

}  // namespace glyphora
