// A 1-bit image: rows padded to whole bytes, most significant bit leftmost,
// bit 0 = ink (black), bit 1 = paper (white). The layout of a glyph's stored rows.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace glyphora {

enum class Pixel : uint8_t { Ink = 0, Paper = 1 };

class MonoImage {
public:
    MonoImage() = default;
    MonoImage(int width, int height, Pixel fill = Pixel::Paper);

    int width() const { return width_; }
    int height() const { return height_; }
    int stride() const { return stride_; }
    bool isEmpty() const { return width_ <= 0 || height_ <= 0; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // Out-of-range reads give Paper; out-of-range writes are ignored.
    Pixel pixel(int x, int y) const;
    void setPixel(int x, int y, Pixel p);
    bool isInk(int x, int y) const { return pixel(x, y) == Pixel::Ink; }

    void fill(Pixel p);
    // New size; the overlapping area is kept, new pixels are `fill`.
    void resize(int width, int height, Pixel fill = Pixel::Paper);
    // Copies src onto this image with its top-left at (dx, dy), clipped.
    void draw(const MonoImage& src, int dx = 0, int dy = 0);
    MonoImage copy(int x, int y, int w, int h) const;

    std::span<uint8_t> row(int y) {
        return {bits_.data() + static_cast<std::size_t>(y) * stride_, static_cast<std::size_t>(stride_)};
    }
    std::span<const uint8_t> row(int y) const {
        return {bits_.data() + static_cast<std::size_t>(y) * stride_, static_cast<std::size_t>(stride_)};
    }
    const std::vector<uint8_t>& bits() const { return bits_; }

    bool operator==(const MonoImage& o) const = default;

private:
    int width_ = 0;
    int height_ = 0;
    int stride_ = 0;
    std::vector<uint8_t> bits_;
};

}  // namespace glyphora
