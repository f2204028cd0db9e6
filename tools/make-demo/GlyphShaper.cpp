#include "GlyphShaper.h"

#include "Langpack.h"

#include <algorithm>
#include <bit>

namespace glyphora::demo {

namespace {

// Spreads each of the 16 bits of `row` over `scale` bits, leftmost pixel in bit 31.
uint32_t Magnify(uint16_t row, int scale) {
    uint32_t out = 0;
    for (int x = 0; x < 16; ++x) {
        if (row & (0x8000u >> x)) {
            for (int i = 0; i < scale; ++i) {
                const int target = x * scale + i;
                if (target < 32) {
                    out |= 0x80000000u >> target;
                }
            }
        }
    }
    return out;
}

}  // namespace

ShapedGlyph ShapeGlyph(const UnifontGlyph& glyph, const ShapeRule& rule) {
    const int band = rule.height / rule.scale;
    int firstInk = -1;
    int lastInk = -1;
    uint16_t columns = 0;
    for (int y = 0; y < kUnifontHeight; ++y) {
        if (glyph.rows[static_cast<std::size_t>(y)] != 0) {
            firstInk = firstInk < 0 ? y : firstInk;
            lastInk = y;
        }
    }
    int top = rule.bandTop;
    if (firstInk >= 0 && lastInk - firstInk < band) {
        top = std::min(top, firstInk);
        top = std::max(top, lastInk - band + 1);
    }
    std::vector<uint16_t> rows(static_cast<std::size_t>(band), 0);
    for (int y = 0; y < band; ++y) {
        const int source = top + y;
        if (source >= 0 && source < kUnifontHeight) {
            rows[static_cast<std::size_t>(y)] = glyph.rows[static_cast<std::size_t>(source)];
            columns = static_cast<uint16_t>(columns | rows[static_cast<std::size_t>(y)]);
        }
    }

    ShapedGlyph shaped;
    int left = 0;
    if (columns == 0) {
        // A blank glyph is a space about a quarter of the height wide.
        shaped.width = std::max(2, rule.height / 4);
    } else {
        left = std::countl_zero(columns);
        const int right = 15 - std::countr_zero(columns);
        shaped.width = std::min(kMaxGlyphWidth, (right - left + 1) * rule.scale + 1);
    }
    const int bytesPerRow = BytesPerRow(shaped.width);
    const uint32_t keep = ~0u << (32 - shaped.width);
    shaped.fileRows.reserve(static_cast<std::size_t>(rule.height) * static_cast<std::size_t>(bytesPerRow));
    for (int y = 0; y < rule.height; ++y) {
        const uint16_t source = static_cast<uint16_t>(rows[static_cast<std::size_t>(y / rule.scale)] << left);
        const uint32_t bits = Magnify(source, rule.scale) & keep;
        shaped.fileRows.push_back(static_cast<uint8_t>(bits >> 24));
        if (bytesPerRow == 2) {
            shaped.fileRows.push_back(static_cast<uint8_t>(bits >> 16));
        }
    }
    return shaped;
}

}  // namespace glyphora::demo
