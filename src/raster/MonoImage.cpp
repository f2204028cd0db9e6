#include "MonoImage.h"

#include <algorithm>

namespace glyphora {

namespace {
int strideFor(int width) { return width > 0 ? (width + 7) / 8 : 0; }
uint8_t maskFor(int x) { return static_cast<uint8_t>(0x80u >> (x & 7)); }
}  // namespace

MonoImage::MonoImage(int width, int height, Pixel fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      stride_(strideFor(width_)),
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

namespace {
// The eight source pixels starting at pixel `first` of a row; pixels outside
// the row read as paper.
uint8_t byteAt(std::span<const uint8_t> row, int first) {
    const int b = first >= 0 ? first / 8 : -((7 - first) / 8);
    const int shift = first - b * 8;
    auto at = [&](int i) -> unsigned {
        return i >= 0 && i < static_cast<int>(row.size()) ? row[static_cast<std::size_t>(i)] : 0xFFu;
    };
    return static_cast<uint8_t>((((at(b) << 8) | at(b + 1)) << shift) >> 8);
}
}  // namespace

// Whole bytes at a time: each destination byte takes the eight source pixels
// that land on it, masked to the columns both images share.
void MonoImage::draw(const MonoImage& src, int dx, int dy) {
    const int x0 = std::max(0, dx), y0 = std::max(0, dy);
    const int x1 = std::min(width_, dx + src.width_), y1 = std::min(height_, dy + src.height_);
    if (x0 >= x1 || y0 >= y1) return;
    for (int y = y0; y < y1; ++y) {
        const auto from = src.row(y - dy);
        auto to = row(y);
        for (int j = x0 / 8; j <= (x1 - 1) / 8; ++j) {
            const int lo = std::max(x0, j * 8) - j * 8, hi = std::min(x1, j * 8 + 8) - j * 8;
            const auto mask = static_cast<uint8_t>((0xFFu >> lo) & ~(0xFFu >> hi));
            uint8_t& d = to[static_cast<std::size_t>(j)];
            d = static_cast<uint8_t>((d & ~mask) | (byteAt(from, j * 8 - dx) & mask));
        }
    }
}

MonoImage MonoImage::copy(int x, int y, int w, int h) const {
    MonoImage out(w, h);
    out.draw(*this, -x, -y);
    return out;
}

}  // namespace glyphora
