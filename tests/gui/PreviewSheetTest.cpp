// The Generate window's picture of a range, drawn again cell by cell: after
// every change it is the picture a new sheet would draw, and a preview that
// changed nothing draws nothing.
#include <PreviewSheet.h>

#include <gtest/gtest.h>

#include <functional>

namespace glyphora::testing {
namespace {

constexpr int kHeight = 4;

Symbols Glyph(uint8_t width, uint8_t row) {
    Symbols glyph;
    glyph.Width = width;
    glyph.Data.assign(kHeight, row);
    return glyph;
}

TEST(PreviewSheet, EachChangeLeavesThePictureANewSheetWouldDraw) {
    GenerationPreview preview;
    preview.shown = {Glyph(3, 0x5F), Glyph(4, 0x0F), Glyph(2, 0x3F), Glyph(5, 0x77)};
    preview.glyphs = {0, 1, 2, 3};
    struct Step {
        const char* name;
        std::function<void()> change;
        bool changes;
    } steps[] = {
        {"first", [] {}, true},
        {"nothing", [] {}, false},
        {"one glyph's rows", [&] { preview.shown[1].Data.assign(kHeight, 0xF0); }, true},
        {"one glyph's width", [&] { preview.shown[2].Width = 6; }, true},
        {"a glyph cut", [&] { preview.result.cut = {3}; }, true},
        {"a glyph not drawn",
         [&] {
             preview.result.failed = {{0, 0x20, "no"}};
         },
         true},
        {"a shorter range",
         [&] {
             preview.glyphs = {0, 1, 2};
         },
         true},
        {"fewer rows of cells", [&] { preview.glyphs = {1}; }, true},
    };
    PreviewSheet sheet(2, 2);
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.change();
        EXPECT_EQ(sheet.show(preview, kHeight), step.changes);
        PreviewSheet fresh(2, 2);
        fresh.show(preview, kHeight);
        EXPECT_EQ(sheet.image(), fresh.image());
    }
}

}  // namespace
}  // namespace glyphora::testing
