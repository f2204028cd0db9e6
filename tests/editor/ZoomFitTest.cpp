// The step that fits a glyph into its pane, and the top of the ladder.
#include <GlyphEditor.h>
#include <ZoomFit.h>

#include <gtest/gtest.h>

#include <vector>

namespace glyphora {
namespace {

TEST(ZoomFit, LargestStepThatKeepsTheGlyphInsideThePane) {
    struct Case {
        int width, height;
        PaneSize pane;
        int fit, top;
    } cases[] = {
        {7, 16, {1000, 800}, 48, 48},  // 768 rows fit, 1024 do not
        {10, 10, {160, 160}, 16, 16},  // exactly the pane
        {10, 10, {159, 400}, 8, 16},   // the width decides
        {8, 8, {600, 600}, 64, 64},    // the top of the ladder
        {15, 255, {300, 300}, 1, 16},  // 1:1 at the least
        {7, 16, {0, 0}, 1, 16},        // a pane not laid out yet
        {0, 16, {100, 100}, 6, 16},    // a glyph without width: its height decides
        {15, 16, {-5, 500}, 1, 16},    // no room at all
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FitZoom(c.width, c.height, c.pane), c.fit) << c.width << "x" << c.height;
        EXPECT_EQ(ZoomTop(c.width, c.height, c.pane), c.top) << c.width << "x" << c.height;
    }
}

// Fit follows the pane; a factor chosen by hand stays until the pane or the
// glyph's size changes; Zoom + passes 16 only where the glyph still fits.
TEST(ZoomFit, EditorFollowsThePaneAndKeepsAHandChosenFactorUntilItChanges) {
    GlyphEditor ed;
    ed.SetGlyphHeight(16);
    const std::vector<uint8_t> rows(16, 0xFF);
    ed.LoadSymb(7, rows);
    ed.SetPane({1000, 800});
    EXPECT_EQ(ed.ZoomFactor(), 1);  // fit is off: the pane alone changes nothing
    while (ed.ZoomIn()) {}
    EXPECT_EQ(ed.ZoomFactor(), 48);

    ed.SetFitToPane(true);
    ed.SetPane({400, 300});
    EXPECT_EQ(ed.ZoomFactor(), 16);
    ed.ZoomOut();
    ed.SetPane({400, 300});
    EXPECT_EQ(ed.ZoomFactor(), 8);  // the same pane: the hand-chosen factor stays
    ed.SetWidth(15);
    EXPECT_EQ(ed.ZoomFactor(), 16);  // 15 x 16 at 24 would be 360 wide
    ed.SetFitToPane(false);
    ed.SetPane({100, 100});
    EXPECT_EQ(ed.ZoomFactor(), 16);
    EXPECT_FALSE(ed.ZoomIn());
}

}  // namespace
}  // namespace glyphora
