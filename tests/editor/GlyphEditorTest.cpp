#include "EditorFixture.h"

namespace glyphora::test {
namespace {

constexpr auto L = MouseButton::Left;
constexpr auto R = MouseButton::Right;

// --- transfers between glyph rows and the editor ----------------------------------

TEST(GlyphTransfer, RowsLoadIntoEditImageAndStoreBack) {
    GlyphEditor ed;
    ed.SetGlyphHeight(2);
    Symbols nine;
    nine.Width = 9;
    nine.Data = {0x7F, 0x7F, 0xFF, 0xFF};  // ink at (0, 0) and (8, 0)
    ed.LoadSymb(nine.Width, nine.Data);
    EXPECT_EQ(ed.EditImage().width(), 16);
    EXPECT_EQ(show(ed.CanvasImage()), show({"#.......#", "........."}));

    // Width 5 with ink in the spare bits: kept when stored at once, paper after a commit.
    Symbols five;
    five.Width = 5;
    five.Data = {0x00, 0x00};
    ed.LoadSymb(five.Width, five.Data);
    Symbols out;
    out = saved(ed, 2);
    EXPECT_EQ(out.Data, (std::vector<uint8_t>{0x00, 0x00}));
    ed.ImageToPictures();
    out = saved(ed, 2);
    EXPECT_EQ(out.Data, (std::vector<uint8_t>{0x07, 0x07}));
    EXPECT_EQ(out.Width, 5);

    // Widened from 8 to 9, the glyph takes two bytes a row.
    Symbols eight;
    eight.Width = 8;
    eight.Data = {0x7E, 0xFF};
    ed.LoadSymb(eight.Width, eight.Data);
    EXPECT_EQ(show(ed.CanvasImage()), show({"#......#", "........"}));
    ed.IncreaseWidth();
    out = saved(ed, 2);
    EXPECT_EQ(out.Width, 9);
    EXPECT_EQ(out.Data, (std::vector<uint8_t>{0x7E, 0xFF, 0xFF, 0xFF}));
}

TEST(GlyphTransfer, ShortOrEmptyGlyphsLoadAsPaper) {
    GlyphEditor ed;
    ed.SetGlyphHeight(3);
    Symbols truncated;
    truncated.Width = 4;
    truncated.Data = {0x0F};  // rows 1 and 2 missing
    ed.LoadSymb(truncated.Width, truncated.Data);
    EXPECT_EQ(show(ed.CanvasImage()), show({"####", "....", "...."}));
    Symbols empty;  // width 0: no columns, one paper byte a row when stored
    ed.LoadSymb(empty.Width, empty.Data);
    EXPECT_EQ(ed.CanvasImage().width(), 0);
    ed.mouseDown(MouseButton::Left, 0, 0);
    Symbols out;
    out = saved(ed, 3);
    EXPECT_EQ(out.Data, (std::vector<uint8_t>{0xFF, 0xFF, 0xFF}));
}

// --- pointer mapping and zoom -------------------------------------------------------

// Glyph pixel k is drawn on screen pixels kZ ... kZ+Z-1: a click on any of
// them sets k, and the read-out names k while the pointer is there.
TEST(GlyphEditorPointer, TheClickSetsAndTheReadOutNamesThePixelDrawnUnderThePointer) {
    test::RecordingHost host;
    GlyphEditor ed(&host);
    constexpr int kWidth = 15, kHeight = 10;
    ed.SetGlyphHeight(kHeight);
    ed.SetPane({kWidth * 64, kHeight * 64});
    const std::vector<uint8_t> blank(2 * kHeight, 0xFF);
    const PixelPoint squares[] = {{0, 0}, {7, 4}, {kWidth - 1, kHeight - 1}};
    for (int zoom : {1, 2, 3, 16, 64}) {
        for (const PixelPoint square : squares) {
            for (int offset : {0, (zoom - 1) / 2, zoom - 1}) {  // the first, a middle and the last screen pixel
                SCOPED_TRACE("zoom " + std::to_string(zoom) + ", pixel " + std::to_string(square.x) + "x" +
                             std::to_string(square.y) + ", offset " + std::to_string(offset));
                ed.LoadSymb(kWidth, blank);
                while (ed.ZoomFactor() < zoom) ASSERT_TRUE(ed.ZoomIn());
                while (ed.ZoomFactor() > zoom) ASSERT_TRUE(ed.ZoomOut());
                const int X = square.x * zoom + offset, Y = square.y * zoom + offset;
                ed.mouseMove(X, Y);
                EXPECT_EQ(host.status[1], "Cursor: " + std::to_string(square.x) + "x" + std::to_string(square.y));
                ed.mouseDown(MouseButton::Left, X, Y);
                ed.mouseUp(MouseButton::Left, X, Y);
                MonoImage expected(kWidth, kHeight);
                expected.setPixel(square.x, square.y, Pixel::Ink);
                EXPECT_EQ(show(ed.CanvasImage()), show(expected));
            }
        }
    }
}

TEST(GlyphEditorPointer, ZoomClimbsAndDescendsTheLadder) {
    GlyphEditor ed;
    std::vector<int> seen;
    while (ed.ZoomIn()) seen.push_back(ed.ZoomFactor());
    EXPECT_EQ(seen, (std::vector<int>{2, 3, 4, 6, 8, 16}));
    EXPECT_EQ(ed.ZoomFactor(), 16);
    seen.clear();
    while (ed.ZoomOut()) seen.push_back(ed.ZoomFactor());
    EXPECT_EQ(seen, (std::vector<int>{8, 6, 4, 3, 2, 1}));
}

TEST_F(EditorTest, MovesReportTheCursorPixel) {
    load({"....", "....", "....", "....", "....", "....", "....", "....", "....", "....", "...."});
    move(3, 10);
    EXPECT_EQ(host.status[1], "Cursor: 3x10");
}

// --- the drawing tools ------------------------------------------------------------

struct ToolCase {
    const char* name;
    Tool tool;
    MouseButton button;
    PixelPoint from, to;
    std::initializer_list<std::string_view> expected;
};

TEST_F(EditorTest, ToolsDrawTheirShapes) {
    const ToolCase cases[] = {
        {"pencil click", Tool::Pencil, L, {2, 1}, {2, 1}, {"......", "..#...", "......", "......", "......", "......"}},
        {"pencil stroke",
         Tool::Pencil,
         L,
         {0, 0},
         {3, 2},
         {"#.....", ".##...", "...#..", "......", "......", "......"}},
        {"line", Tool::Line, L, {0, 0}, {3, 0}, {"###...", "......", "......", "......", "......", "......"}},
        {"line on its anchor",
         Tool::Line,
         L,
         {2, 2},
         {2, 2},
         {"......", "......", "......", "......", "......", "......"}},
        {"rectangle backwards",
         Tool::Rectangle,
         L,
         {5, 5},
         {2, 3},
         {"......", "......", "......", "..####", "..#..#", "..####"}},
        {"filled rectangle, left",
         Tool::FilledRectangle,
         L,
         {0, 0},
         {3, 3},
         {"####..", "#..#..", "#..#..", "####..", "......", "......"}},
        {"ellipse", Tool::Ellipse, L, {0, 0}, {4, 4}, {".###..", "#...#.", "#...#.", "#...#.", ".###..", "......"}},
        {"filled ellipse, left",
         Tool::FilledEllipse,
         L,
         {1, 1},
         {3, 3},
         {"......", "..#...", ".#.#..", "..#...", "......", "......"}},
        {"fill", Tool::Fill, L, {0, 0}, {0, 0}, {"######", "######", "######", "######", "######", "######"}},
    };
    for (const ToolCase& c : cases) {
        load({"......", "......", "......", "......", "......", "......"});
        drag(c.tool, c.from, c.to, c.button);
        EXPECT_EQ(canvas(), show(c.expected)) << c.name;
        EXPECT_EQ(committed(), show(c.expected)) << c.name;
        EXPECT_TRUE(ed.ImageModified()) << c.name;
        EXPECT_TRUE(host.undoEnabled) << c.name;
        EXPECT_EQ(show(ed.UndoImage().copy(0, 0, 6, 6)), show(MonoImage(6, 6))) << c.name;
    }
}

TEST_F(EditorTest, RightButtonDrawsPaperAndFillsWithInk) {
    load({"######", "######", "######", "######", "######"});
    drag(Tool::FilledRectangle, {0, 0}, {3, 3}, R);
    EXPECT_EQ(canvas(), show({"....##", ".##.##", ".##.##", "....##", "######"}));
    drag(Tool::Fill, {5, 4}, {5, 4}, R);
    EXPECT_EQ(canvas(), show({"......", ".##...", ".##...", "......", "......"}));
    drag(Tool::Pencil, {1, 1}, {1, 2}, R);
    EXPECT_EQ(canvas(), show({"......", "..#...", "..#...", "......", "......"}));
}

TEST_F(EditorTest, LinePreviewInvertsForInkAndIsInvisibleForPaper) {
    load({"......", "..##..", "......"});
    ed.setTool(Tool::Line);
    press(0, 1);
    move(5, 1);
    EXPECT_EQ(canvas(), show({"......", "##..#.", "......"}));
    move(0, 2);
    EXPECT_EQ(canvas(), show({"......", "#.##..", "......"}));
    release(4, 1);
    EXPECT_EQ(canvas(), show({"......", "####..", "......"}));

    load({"......", "..##..", "......"});
    ed.setTool(Tool::Line);
    press(0, 1, R);
    move(5, 1);
    EXPECT_EQ(canvas(), show({"......", "..##..", "......"}));
    release(5, 1, R);
    EXPECT_EQ(canvas(), show({"......", "......", "......"}));
}

TEST_F(EditorTest, EraserShowsItsSquareAndErasesIt) {
    const MonoImage full(12, 8, Pixel::Ink);
    load(full);
    ed.setTool(Tool::Eraser);
    move(1, 1);  // the square from (-3, -3) to (6, 6), clipped by the glyph
    const std::string preview = show({".......#####", ".......#####", ".......#####", ".......#####", ".......#####",
                                      ".......#####", ".......#####", "############"});
    EXPECT_EQ(canvas(), preview);
    EXPECT_EQ(committed(), show(full));
    ed.mouseLeave();
    EXPECT_EQ(canvas(), show(full));

    move(1, 1);
    ed.mouseMove(0, 20);  // the outermost ring of screen pixels takes the preview away
    EXPECT_EQ(canvas(), show(full));

    move(1, 1);
    press(1, 1);
    EXPECT_TRUE(host.undoEnabled);
    release(1, 1);
    EXPECT_EQ(committed(), preview);
    press(11, 7);
    move(10, 7);
    release(10, 7);
    EXPECT_EQ(committed(), show({".......#####", ".......#####", ".......#####", "............", "............",
                                 "............", "............", "######......"}));
}

TEST_F(EditorTest, SecondButtonCancelsEveryGesture) {
    struct Case {
        const char* name;
        Tool tool;
    };
    const Case cases[] = {{"pencil", Tool::Pencil},       {"line", Tool::Line},
                          {"rectangle", Tool::Rectangle}, {"filled ellipse", Tool::FilledEllipse},
                          {"eraser", Tool::Eraser},       {"fill", Tool::Fill},
                          {"selection", Tool::Selection}};
    for (const Case& c : cases) {
        load({"#.....", ".#....", "..#...", "...#.."});
        const std::string before = canvas();
        ed.setTool(c.tool);
        press(0, 3);
        move(4, 0);
        press(4, 0, R);
        EXPECT_EQ(canvas(), before) << c.name;
        release(4, 0, R);
        release(4, 0);
        EXPECT_EQ(canvas(), before) << c.name;
        EXPECT_EQ(committed(), before) << c.name;
        if (c.tool != Tool::Eraser) {  // the eraser marks the glyph and takes its snapshot at the press
            EXPECT_FALSE(ed.ImageModified()) << c.name;
            EXPECT_FALSE(host.undoEnabled) << c.name;
        }
        EXPECT_FALSE(ed.LeftDown() || ed.RightDown() || ed.LineDragging() || ed.RectDragging() ||
                     ed.EllipseDragging() || ed.Erasing() || ed.SelectionActive())
            << c.name;
    }
    // Drawing goes on in copying mode afterwards.
    drag(Tool::Pencil, {5, 0}, {5, 1});
    EXPECT_EQ(committed(), show({"#....#", ".#...#", "..#...", "...#.."}));
}

TEST_F(EditorTest, MiddleButtonIsIgnoredAndTextToolOnlyAsksForItsDialog) {
    load({"....", "...."});
    ed.setTool(Tool::Pencil);
    ed.mouseDown(MouseButton::Middle, at(1), at(1));
    ed.mouseMove(at(2), at(1));
    ed.mouseUp(MouseButton::Middle, at(2), at(1));
    EXPECT_EQ(canvas(), show({"....", "...."}));
    EXPECT_FALSE(ed.ImageModified());

    ed.setTool(Tool::Text);
    press(1, 1);
    EXPECT_EQ(host.textDialogs, 1);
    EXPECT_FALSE(ed.LeftDown());
    release(1, 1);
    EXPECT_EQ(canvas(), show({"....", "...."}));
    EXPECT_FALSE(ed.ImageModified());
}

TEST_F(EditorTest, EditingImageMarksTheLangpackFirst) {
    load({"...."});
    drag(Tool::Pencil, {0, 0}, {0, 0});
    EXPECT_EQ(host.calls, (std::vector<std::string>{"editingLang", "modified"}));
    ed.NoEditingImage();
    EXPECT_FALSE(ed.ImageModified());
}

// --- undo -------------------------------------------------------------------------

TEST_F(EditorTest, UndoTogglesAndIsDroppedWithTheGlyph) {
    load({"....", "...."});
    drag(Tool::Line, {0, 0}, {3, 0});
    const std::string drawn = show({"###.", "...."});
    ed.UndoCommand();
    EXPECT_EQ(committed(), show({"....", "...."}));
    EXPECT_EQ(canvas(), committed());
    ed.UndoCommand();
    EXPECT_EQ(committed(), drawn);
    EXPECT_TRUE(ed.ImageModified());

    load({"####", "####"});
    EXPECT_FALSE(ed.UndoAvailable());
    EXPECT_FALSE(host.undoEnabled);
    ed.UndoCommand();
    EXPECT_EQ(committed(), show({"####", "####"}));
}

// Save Image clears the mark; an Undo then shows a glyph other than the stored one.
TEST_F(EditorTest, UndoAfterTheGlyphWasStoredIsAnEditAgain) {
    load({"...."});
    drag(Tool::Pencil, {0, 0}, {0, 0});
    for (const char* shown : {"....", "#..."}) {  // the undo, then the redo
        SCOPED_TRACE(shown);
        ed.NoEditingImage();  // as Save Image leaves it
        host.calls.clear();
        ed.UndoCommand();
        EXPECT_EQ(committed(), show({shown}));
        EXPECT_TRUE(ed.ImageModified());
        EXPECT_EQ(host.calls, (std::vector<std::string>{"editingLang", "modified"}));
    }
}

// --- glyph size -------------------------------------------------------------------

TEST_F(EditorTest, NarrowingWithinAByteKeepsThePixelsBeyond) {
    load({".......#", "#......."});
    ed.DecreaseWidth();
    EXPECT_EQ(canvas(), show({".......", "#......"}));
    EXPECT_EQ(host.status[0], "Size: 7x2");
    ed.IncreaseWidth();
    EXPECT_EQ(canvas(), show({".......#", "#......."}));

    load({"........#", "#........"});
    ed.DecreaseWidth();
    ed.IncreaseWidth();
    EXPECT_EQ(canvas(), show({".........", "#........"}));
    EXPECT_TRUE(ed.ImageModified());
}

TEST_F(EditorTest, WidthStaysWithinOneToFifteen) {
    load({"#"});
    EXPECT_FALSE(ed.DecreaseWidth());
    ed.SetWidth(40);
    EXPECT_EQ(ed.GlyphWidth(), 15);
    EXPECT_FALSE(ed.IncreaseWidth());
    EXPECT_EQ(ed.EditImage().width(), 16);
    EXPECT_EQ(ed.canvasWidth(), 15 * kZoom);
    ed.SetWidth(-3);
    EXPECT_EQ(ed.GlyphWidth(), 1);
    EXPECT_EQ(canvas(), show({"#"}));
}

TEST_F(EditorTest, ResetForOpenGivesTheBlankCanvas) {
    load({"#"});
    drag(Tool::Pencil, {0, 0}, {0, 0}, R);
    ed.ResetForOpen();
    EXPECT_EQ(ed.GlyphWidth(), 128);
    EXPECT_EQ(ed.ZoomFactor(), 1);
    EXPECT_EQ(ed.CanvasImage(), MonoImage(128, 128));
    EXPECT_FALSE(ed.ImageModified());
    EXPECT_FALSE(ed.UndoAvailable());
    EXPECT_EQ(host.status[0], "Size: 128x128");
}

}  // namespace
}  // namespace glyphora::test
