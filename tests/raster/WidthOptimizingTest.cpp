// The trim's own cases are pictures in GlyphAlgorithmsTest; these are what
// a stored glyph gives: left alone, or stored anew.
#include "WidthOptimizing.h"

#include <gtest/gtest.h>

namespace glyphora::test {
namespace {

TEST(WidthOptimizing, LeavesGlyphsWithoutInkAndChangesOnlyWhatTheTrimChanges) {
    // Memory form, one byte a row, 0 = ink; two rows.
    struct Case {
        const char* name;
        int width;
        std::vector<uint8_t> rows;
        int newWidth;  // 0: left alone
        std::vector<uint8_t> newRows;
    } cases[] = {
        {"ink only in the spare bits", 3, {0xF7, 0xFF}, 0, {}},
        {"blank", 4, {0xFF, 0xFF}, 0, {}},
        {"width 0", 0, {0xFF, 0xFF}, 0, {}},
        {"one column of ink, never narrower", 1, {0x7F, 0x7F}, 2, {0x7F, 0x7F}},
        {"already trimmed, spare bits kept", 2, {0x7E, 0x7F}, 0, {}},
        {"ink in column 2 of 5", 5, {0xDF, 0xDF}, 2, {0x7F, 0x7F}},
    };
    for (const Case& c : cases) {
        const std::optional<GlyphRowsOfWidth> out = OptimizedGlyph(c.rows, c.width, 2);
        ASSERT_EQ(out.has_value(), c.newWidth != 0) << c.name;
        if (!out) continue;
        EXPECT_EQ(out->width, c.newWidth) << c.name;
        EXPECT_EQ(out->rows, c.newRows) << c.name;
    }
}

}  // namespace
}  // namespace glyphora::test
