#include "EditorFixture.h"

#include <functional>

namespace glyphora::test {
namespace {

constexpr auto R = MouseButton::Right;

class SelectionTest : public EditorTest {
protected:
    // 8 x 6 with a 2 x 2 block in the top-left corner.
    void loadBlock() { load({"##......", "##......", "........", "........", "........", "........"}); }
    void selectBlock() {
        ed.setTool(Tool::Selection);
        press(0, 0);
        move(1, 1);
        release(1, 1);
    }
    const std::string blockMoved = show({"........", "........", "........", "....##..", "....##..", "........"});
};

TEST_F(SelectionTest, ClickMakesOnePixelSelectionWithoutReadout) {
    loadBlock();
    ed.setTool(Tool::Selection);
    press(3, 2);
    release(3, 2);
    EXPECT_TRUE(ed.SelectionActive());
    EXPECT_EQ(ed.SelectionRect(), (PixelRect{3, 2, 4, 3}));
    EXPECT_EQ(host.status[2], "");
    press(3, 2);
    EXPECT_TRUE(ed.SelectionMoving());
}

TEST_F(SelectionTest, DraggingOutSpansBothEnds) {
    load({"........", "........", "........", "........", "........", "........", "........", "........", "........",
          "........"});
    ed.setTool(Tool::Selection);
    press(6, 4);
    move(2, 9);
    release(2, 9);
    EXPECT_EQ(ed.SelectionRect(), (PixelRect{2, 4, 7, 10}));
    EXPECT_EQ(host.status[2], "Select: 5x6");
}

TEST_F(SelectionTest, GrabWithoutMovingLiftsButChangesNoPixel) {
    loadBlock();
    const std::string before = canvas();
    selectBlock();
    press(1, 1);
    release(1, 1);
    EXPECT_TRUE(ed.ImageModified());
    EXPECT_TRUE(host.undoEnabled);
    EXPECT_FALSE(ed.SelectionFresh());
    EXPECT_EQ(ed.SelectionSource(), (PixelRect{0, 0, 2, 2}));
    ed.FalseGoBegin();
    EXPECT_EQ(canvas(), before);
    EXPECT_EQ(committed(), before);
    EXPECT_EQ(host.status[2], "");
}

TEST_F(SelectionTest, SelectionPushedPastTheEdgeComesBack) {
    loadBlock();
    selectBlock();
    press(0, 0);
    move(7, 0);
    EXPECT_EQ(canvas(), show({".......#", ".......#", "........", "........", "........", "........"}));
    move(2, 0);
    release(2, 0);
    press(2, 0);  // a later grab moves the same lifted pixels
    move(4, 3);
    release(4, 3);
    ed.FalseGoBegin();
    EXPECT_EQ(committed(), blockMoved);
}

TEST_F(SelectionTest, ClickOutsideOnlyDropsTheSelection) {
    loadBlock();
    selectBlock();
    press(0, 0);
    move(4, 3);
    release(4, 3);
    press(0, 5);
    EXPECT_FALSE(ed.SelectionActive());
    release(0, 5);
    EXPECT_FALSE(ed.SelectionActive());
    EXPECT_EQ(canvas(), blockMoved);
    EXPECT_EQ(committed(), blockMoved);
}

// Whatever interrupts a move, the selection is dropped where it is and no
// dotted frame ever reaches the glyph.
TEST_F(SelectionTest, InterruptedMoveCommitsNoFrame) {
    struct Case {
        const char* name;
        std::function<void(GlyphEditor&)> interrupt;
    };
    const Case cases[] = {
        {"second button", [](GlyphEditor& e) { e.mouseDown(R, 36, 28); }},
        {"drop", [](GlyphEditor& e) { e.FalseGoBegin(); }},
        {"copy", [](GlyphEditor& e) { e.Copy(); }},
        {"select all", [](GlyphEditor& e) { e.SelectAll(); }},
        {"pencil tool", [](GlyphEditor& e) { e.setTool(Tool::Pencil); }},
        {"another glyph's height", [](GlyphEditor& e) { e.ResizeImage(); }},
    };
    for (const Case& c : cases) {
        loadBlock();
        selectBlock();
        press(0, 0);
        move(4, 3);
        c.interrupt(ed);
        release(5, 3);
        release(5, 3, R);
        ed.FalseGoBegin();
        EXPECT_EQ(committed(), blockMoved) << c.name;
        EXPECT_EQ(canvas(), blockMoved) << c.name;
    }
}

TEST_F(SelectionTest, LoadingAnotherGlyphDropsTheSelection) {
    loadBlock();
    selectBlock();
    load({"....", "...."});
    EXPECT_FALSE(ed.SelectionActive());
    ed.FalseGoBegin();
    EXPECT_EQ(canvas(), show({"....", "...."}));
    EXPECT_EQ(committed(), show({"....", "...."}));
}

TEST_F(SelectionTest, SelectAllThenClearWhitensEverythingUndoably) {
    loadBlock();
    ed.SelectAll();
    EXPECT_EQ(host.status[2], "Select: 8x6");
    EXPECT_FALSE(ed.ImageModified());
    EXPECT_EQ(ed.tool(), Tool::Selection);
    ed.Clear();
    EXPECT_FALSE(ed.SelectionActive());
    EXPECT_EQ(committed(), show(MonoImage(8, 6)));
    EXPECT_EQ(canvas(), committed());
    ed.UndoCommand();
    EXPECT_EQ(committed(), show({"##......", "##......", "........", "........", "........", "........"}));
}

TEST_F(SelectionTest, CopyAndCutTakeTheSelectionOrTheWholeGlyph) {
    loadBlock();
    const MonoImage whole = ed.CanvasImage();
    ed.Copy();
    EXPECT_EQ(host.clipboard, whole);

    ed.setTool(Tool::Selection);
    press(1, 0);
    move(2, 1);
    release(2, 1);
    const MonoImage framed = ed.CanvasImage();
    ed.Copy();
    EXPECT_EQ(show(*host.clipboard), show({"#.", "#."}));
    EXPECT_EQ(ed.CanvasImage(), framed);
    EXPECT_FALSE(ed.ImageModified());

    ed.Cut();
    EXPECT_EQ(show(*host.clipboard), show({"#.", "#."}));
    EXPECT_FALSE(ed.SelectionActive());
    EXPECT_EQ(committed(), show({"#.......", "#.......", "........", "........", "........", "........"}));

    ed.Cut();
    EXPECT_EQ(show(*host.clipboard), show({"#.......", "#.......", "........", "........", "........", "........"}));
    EXPECT_EQ(committed(), show(MonoImage(8, 6)));
}

TEST_F(SelectionTest, PastedImageFloatsOverTheGlyph) {
    load({"....", ".##.", "...."});
    ed.Paste(picture({"######", "######", "######", "######"}));
    EXPECT_EQ(host.status[2], "Select: 4x3");
    EXPECT_EQ(ed.tool(), Tool::Selection);
    EXPECT_EQ(host.calls.front(), "pressSelectionTool");
    EXPECT_EQ(committed(), show({"....", ".##.", "...."}));
    ed.FalseGoBegin();
    EXPECT_EQ(committed(), show({"####", "####", "####"}));
    ed.UndoCommand();
    EXPECT_EQ(committed(), show({"....", ".##.", "...."}));

    // Moved away, a pasted image uncovers the glyph as it was.
    ed.Paste(picture({"#"}));
    press(0, 0);
    move(3, 2);
    release(3, 2);
    ed.FalseGoBegin();
    EXPECT_EQ(committed(), show({"....", ".##.", "...#"}));
}

TEST_F(SelectionTest, PastingNothingChangesNoPixel) {
    loadBlock();
    const std::string before = committed();
    ed.Paste(MonoImage());
    EXPECT_EQ(host.status[2], "Select: 0x0");
    EXPECT_TRUE(ed.ImageModified());
    EXPECT_TRUE(host.undoEnabled);
    EXPECT_EQ(canvas(), before);
    press(0, 0);  // outside an empty selection: dropped
    ed.FalseGoBegin();
    EXPECT_EQ(committed(), before);
}

TEST_F(SelectionTest, ShiftsMoveColumnsAndFillWithPaper) {
    load({"#......#", ".#.....#"});
    ed.ShiftImageGor(-1);
    EXPECT_EQ(committed(), show({"......#.", "#.....#."}));
    ed.ShiftImageGor(1);
    EXPECT_EQ(committed(), show({".......#", ".#.....#"}));
    EXPECT_TRUE(ed.ImageModified());

    // Right after loading, the last column takes the stored row's spare bit.
    ed.SetGlyphHeight(1);
    Symbols five;
    five.Width = 5;
    five.Data = {0xFB};
    ed.LoadSymb(five.Width, five.Data);
    ed.ShiftImageGor(-1);
    EXPECT_EQ(canvas(), show({"....#"}));
}

// Every whole-glyph command drops a floating selection where it floats before
// its snapshot, so Undo takes back that command and keeps the pasted pixels.
// Clear and Cut take their snapshot before the floating paste is dropped (Undo
// takes the paste back too); the shifts and any other change after it.
TEST_F(SelectionTest, WholeGlyphCommandsDropTheSelectionAndTakeTheirSnapshot) {
    struct Case {
        const char* name;
        std::function<void(GlyphEditor&)> command;
        MonoImage after;
        MonoImage undone;
    };
    const MonoImage cleared = picture({"....", ".##.", "...."});  // the selection only
    const MonoImage beforePaste = cleared;
    const MonoImage pasted = picture({"##..", ".##.", "...."});
    const auto ink = [](const MonoImage&, int w, int h) { return MonoImage(w, h, Pixel::Ink); };
    const std::vector<Case> cases = {
        {"clear", [](GlyphEditor& e) { e.Clear(); }, cleared, beforePaste},
        {"cut", [](GlyphEditor& e) { e.Cut(); }, cleared, beforePaste},
        {"shift left", [](GlyphEditor& e) { e.ShiftImageGor(-1); }, picture({"#...", "##..", "...."}), pasted},
        {"shift right", [](GlyphEditor& e) { e.ShiftImageGor(1); }, picture({".##.", "..##", "...."}), pasted},
        {"any change", [&ink](GlyphEditor& e) { e.ApplyGlyphChange(ink); }, picture({"####", "####", "####"}), pasted},
    };
    for (const Case& c : cases) {
        load({"....", ".##.", "...."});
        ed.Paste(picture({"##"}));
        c.command(ed);
        EXPECT_FALSE(ed.SelectionActive()) << c.name;
        EXPECT_EQ(committed(), show(c.after)) << c.name;
        EXPECT_EQ(canvas(), committed()) << c.name;
        EXPECT_TRUE(ed.ImageModified()) << c.name;
        ed.UndoCommand();
        EXPECT_EQ(committed(), show(c.undone)) << c.name;
    }
}

// A transform is one edit, as the shifts are. Bold makes room first when ink
// touches the right edge; with a selection shown, the transform stays within
// its rectangle, which stays chosen.
TEST_F(SelectionTest, TransformsChangeTheGlyphOrTheSelectionAsOneEdit) {
    load({"#..#", ".#..", "...."});
    ed.TransformImage(GlyphTransform::FlipHorizontal);
    EXPECT_EQ(committed(), show({"#..#", "..#.", "...."}));
    ed.UndoCommand();
    EXPECT_EQ(committed(), show({"#..#", ".#..", "...."}));

    EXPECT_EQ(ed.TransformImage(GlyphTransform::Bold), 0);
    EXPECT_EQ(ed.GlyphWidth(), 5);
    EXPECT_EQ(committed(), show({"##.##", ".##..", "....."}));
    ed.UndoCommand();
    EXPECT_EQ(committed(), show({"#..#.", ".#...", "....."}));

    ed.Paste(picture({"#.", ".."}));
    ed.TransformImage(GlyphTransform::FlipVertical);
    EXPECT_TRUE(ed.SelectionActive());
    EXPECT_EQ(ed.SelectionRect(), (PixelRect{0, 0, 2, 2}));
    EXPECT_EQ(host.status[2], "Select: 2x2");
    ed.FalseGoBegin();
    EXPECT_EQ(committed(), show({"...#.", "#....", "....."}));
    ed.UndoCommand();  // back to the paste dropped, not before it
    EXPECT_EQ(committed(), show({"#..#.", ".....", "....."}));
}

}  // namespace
}  // namespace glyphora::test
