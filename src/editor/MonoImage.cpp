#include "MonoImage.h"

#include <algorithm>

namespace glyphora {

namespace {
int strideFor(int width) { return width > 0 ? (width + 7) / 8 : 0; }
uint8_t maskFor(int x) { return static_cast<uint8_t>(0x80u >> (x & 7)); }
}  // namespace

MonoImage::MonoImage(int width, int height, Pixel fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), stride_(strideFor(width_)),
      bits_(static_cast<std::size_t>(stride_) * static_cast<std::size_t>(height_),
            fill == Pixel::Paper ? uint8_t{0xFF} : uint8_t{0x00}) {}

Pixel MonoImage::pixel(int x, int y) const {
    if (!contains(x, y)) return Pixel::Paper;
    const uint8_t b = bits_[static_cast<std::size_t>(y) * stride_ + static_cast<std::size_t>(x / 8)];
    return (b & maskFor(x)) ? Pixel::Paper : Pixel::Ink;
}

void MonoImage::setPixel(int x, int y, Pixel p) {
    if (!contains(x, y)) return;
    uint8_t& b = bits_[static_cast<std::size_t>(y) * stride_ + static_cast<std::size_t>(x / 8)];
    if (p == Pixel::Paper)
        b = static_cast<uint8_t>(b | maskFor(x));
    else
        b = static_cast<uint8_t>(b & ~maskFor(x));
}

void MonoImage::fill(Pixel p) { std::fill(bits_.begin(), bits_.end(), p == Pixel::Paper ? 0xFF : 0x00); }

void MonoImage::resize(int width, int height, Pixel fillWith) {
    MonoImage next(width, height, fillWith);
    next.draw(*this);
    *this = std::move(next);
}

void MonoImage::draw(const MonoImage& src, int dx, int dy) {
    const int x0 = std::max(0, dx), y0 = std::max(0, dy);
    const int x1 = std::min(width_, dx + src.width_), y1 = std::min(height_, dy + src.height_);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) setPixel(x, y, src.pixel(x - dx, y - dy));
}

MonoImage MonoImage::copy(int x, int y, int w, int h) const {
    MonoImage out(w, h);
    for (int yy = 0; yy < out.height_; ++yy)
        for (int xx = 0; xx < out.width_; ++xx) out.setPixel(xx, yy, pixel(x + xx, y + yy));
    return out;
}

}  // namespace glyphora
