// Glyph pictures written as text: '#' is ink, anything else paper.
#pragma once

#include "MonoImage.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace glyphora::test {

inline MonoImage picture(std::initializer_list<std::string_view> rows) {
    const int h = static_cast<int>(rows.size());
    const int w = h ? static_cast<int>(rows.begin()->size()) : 0;
    MonoImage image(w, h);
    int y = 0;
    for (std::string_view row : rows) {
        for (int x = 0; x < static_cast<int>(row.size()); ++x)
            if (row[static_cast<std::size_t>(x)] == '#') image.setPixel(x, y, Pixel::Ink);
        ++y;
    }
    return image;
}

inline std::string show(const MonoImage& image) {
    std::string out;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) out += image.isInk(x, y) ? '#' : '.';
        out += '\n';
    }
    return out;
}

inline std::string show(std::initializer_list<std::string_view> rows) { return show(picture(rows)); }

}  // namespace glyphora::test
