// The rendered character: a width x height grid of ink and paper, top row
// first, one byte per pixel.
#pragma once

#include <cstdint>
#include <vector>

namespace glyphora::runecast {

class InkMap {
public:
    InkMap(int width, int height)
        : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, 0) {}

    int width() const { return width_; }
    int height() const { return height_; }

    bool ink(int x, int y) const { return pixels_[index(x, y)] != 0; }
    // Pixels outside the grid are dropped: a glyph may reach beyond its cell.
    void setInk(int x, int y) {
        if (x >= 0 && x < width_ && y >= 0 && y < height_) pixels_[index(x, y)] = 1;
    }

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }

    int width_;
    int height_;
    std::vector<uint8_t> pixels_;
};

}  // namespace glyphora::runecast
