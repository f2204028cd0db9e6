// The step history as a unit: back and forward, a new branch, one history per
// glyph, and the cap on its memory.
#include <GlyphHistory.h>

#include <gtest/gtest.h>

namespace glyphora {
namespace {

// Distinct states: the width tells them apart, the image carries the bytes.
GlyphState State(int width, int height = 1) { return {MonoImage(16, height), width}; }

int Width(const std::optional<GlyphState>& s) { return s ? s->width : -1; }

TEST(GlyphHistory, StepsBackAndForwardAndANewChangeDropsTheWayForward) {
    GlyphHistory h;
    const GlyphKey a{1, 5}, b{1, 6};
    h.record(a, State(1));  // 1 -> 2
    h.record(a, State(2));  // 2 -> 3
    h.record(a, State(2));  // a snapshot that changed nothing leaves no step
    h.record(b, State(7));  // another glyph has its own steps
    EXPECT_EQ(h.backwardSteps(a), 2u);

    EXPECT_EQ(Width(h.stepBackward(a, State(3))), 2);
    EXPECT_EQ(Width(h.stepBackward(a, State(2))), 1);
    EXPECT_EQ(Width(h.stepBackward(a, State(1))), -1);  // nothing further back
    EXPECT_EQ(Width(h.stepForward(a, State(1))), 2);
    EXPECT_TRUE(h.canStepForward(a));

    h.record(a, State(2));  // 2 -> 4: a new branch
    EXPECT_FALSE(h.canStepForward(a));
    EXPECT_EQ(Width(h.stepBackward(a, State(4))), 2);
    EXPECT_EQ(Width(h.stepForward(a, State(2))), 4);
    // A step equal to the glyph as it is (a change undone elsewhere) is passed over.
    EXPECT_EQ(Width(h.stepBackward(a, State(2))), 1);

    EXPECT_EQ(Width(h.stepBackward(b, State(8))), 7);
    h.clear();
    EXPECT_FALSE(h.canStepBackward(a) || h.canStepForward(b));
    EXPECT_EQ(h.bytes(), 0u);
}

TEST(GlyphHistory, ASnapshotThatChangedNothingKeepsTheWayForwardAndOffersNoStep) {
    GlyphHistory h;
    const GlyphKey a{1, 5}, b{1, 6};
    h.record(a, State(1));  // 1 -> 2
    EXPECT_EQ(Width(h.stepBackward(a, State(2))), 1);
    h.record(a, State(1));  // a click that drew nothing
    EXPECT_TRUE(h.canStepForward(a, State(1)));
    EXPECT_EQ(Width(h.stepForward(a, State(1))), 2);

    h.record(b, State(7));  // the same on a glyph never changed
    EXPECT_FALSE(h.canStepBackward(b, State(7)));
    EXPECT_TRUE(h.canStepBackward(b, State(8)));  // ... unless it did change
    h.settle(b, State(7));
    EXPECT_EQ(Width(h.stepBackward(b, State(7))), -1);
}

TEST(GlyphHistory, TheCapDropsTheOldestStepsOfAllGlyphsFirst) {
    const std::size_t step = GlyphHistory::cost(State(0));
    GlyphHistory h(3 * step);
    const GlyphKey a{0, 0}, b{0, 1};
    h.record(b, State(10));
    for (int w = 1; w <= 4; ++w) h.record(a, State(w));
    EXPECT_LE(h.bytes(), 3 * step);
    EXPECT_FALSE(h.canStepBackward(b));  // the oldest of all went first
    EXPECT_EQ(h.backwardSteps(a), 3u);
    EXPECT_EQ(Width(h.stepBackward(a, State(5))), 4);
    EXPECT_EQ(Width(h.stepBackward(a, State(4))), 3);
    EXPECT_EQ(Width(h.stepBackward(a, State(3))), 2);
    EXPECT_EQ(Width(h.stepBackward(a, State(2))), -1);  // state 1 was dropped
    EXPECT_EQ(h.forwardSteps(a), 3u);

    // The default cap keeps well over 100 steps of the largest glyph.
    GlyphHistory large;
    for (int k = 0; k < 150; ++k) large.record(a, State(k, 255));
    EXPECT_EQ(large.backwardSteps(a), 150u);
    EXPECT_LE(large.bytes(), GlyphHistory::kDefaultByteCap);
}

}  // namespace
}  // namespace glyphora
