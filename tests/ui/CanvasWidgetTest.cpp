#include "CanvasWidget.h"
#include "EditorFixture.h"
#include "QtApp.h"

#include <QTest>

namespace glyphora::test {
namespace {

class CanvasWidgetTest : public testing::Test {
protected:
    static void SetUpTestSuite() { ensureApplication(); }

    GlyphEditor ed;
    std::unique_ptr<CanvasWidget> widget;

    void open(std::initializer_list<std::string_view> rows, int zoom) { open(picture(rows), zoom); }
    void open(const MonoImage& image, int zoom) {
        ed.SetGlyphHeight(image.height());
        ed.LoadSymb(image.width(), glyphOf(image).Data);
        while (ed.ZoomFactor() < zoom) ed.ZoomIn();
        widget = std::make_unique<CanvasWidget>(&ed);
        widget->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(widget.get()));
    }
    // The screen point in the middle of glyph pixel (x, y).
    QPoint centre(int x, int y) const {
        const int z = ed.ZoomFactor();
        return {x * z + z / 2, y * z + z / 2};
    }
    std::string canvas() const { return show(ed.CanvasImage()); }
};

TEST_F(CanvasWidgetTest, IsTheCrossHairControlSizedByZoom) {
    open({"........", "........", "........"}, 8);
    EXPECT_EQ(widget->objectName(), "Image1");
    EXPECT_EQ(widget->cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(widget->size(), QSize(64, 24));
    ed.ZoomIn();
    widget->syncSize();
    EXPECT_EQ(widget->size(), QSize(128, 48));
}

TEST_F(CanvasWidgetTest, PencilStrokeAtZoomEightIsPaintedMagnified) {
    open({"........", "........", "........"}, 8);
    ed.setTool(Tool::Pencil);
    QTest::mousePress(widget.get(), Qt::LeftButton, {}, centre(1, 1));
    QTest::mouseMove(widget.get(), centre(4, 1));
    QTest::mouseRelease(widget.get(), Qt::LeftButton, {}, centre(4, 1));
    EXPECT_EQ(canvas(), show({"........", ".####...", "........"}));
    EXPECT_TRUE(ed.ImageModified());

    const QImage shown = widget->grab().toImage();
    ASSERT_EQ(shown.size(), QSize(64, 24));
    for (int Y = 0; Y < 24; ++Y)
        for (int X = 0; X < 64; ++X) {
            const bool ink = ed.CanvasImage().isInk(X / 8, Y / 8);
            ASSERT_EQ(qGray(shown.pixel(X, Y)) < 128, ink) << X << "," << Y;
        }
}

TEST_F(CanvasWidgetTest, AtZoomOneAClickSetsThePixelUnderThePointer) {
    open({"......", "......", "......"}, 1);
    ed.setTool(Tool::Pencil);
    // (QTest takes the point (0, 0) for the widget's centre.)
    for (const QPoint p : {QPoint(1, 1), QPoint(0, 2), QPoint(3, 2), QPoint(5, 2), QPoint(4, 1)})
        QTest::mouseClick(widget.get(), Qt::LeftButton, {}, p);
    EXPECT_EQ(canvas(), show({"......", ".#..#.", "#..#.#"}));
}

TEST_F(CanvasWidgetTest, DragsAreConfinedToTheCanvas) {
    open({"......", "......", "......"}, 8);
    ed.setTool(Tool::Line);
    QTest::mousePress(widget.get(), Qt::LeftButton, {}, centre(5, 1));
    QTest::mouseMove(widget.get(), QPoint(-30, 12));
    QTest::mouseRelease(widget.get(), Qt::LeftButton, {}, QPoint(-30, 12));
    EXPECT_EQ(canvas(), show({"......", ".#####", "......"}));
}

TEST_F(CanvasWidgetTest, RightButtonCancelsAndMiddleButtonIsIgnored) {
    open({"######", "######"}, 8);
    ed.setTool(Tool::Rectangle);
    QTest::mousePress(widget.get(), Qt::MiddleButton, {}, centre(0, 0));
    QTest::mouseRelease(widget.get(), Qt::MiddleButton, {}, centre(0, 0));
    QTest::mousePress(widget.get(), Qt::LeftButton, {}, centre(0, 0));
    QTest::mouseMove(widget.get(), centre(3, 1));
    EXPECT_NE(canvas(), show({"######", "######"}));
    QTest::mousePress(widget.get(), Qt::RightButton, {}, centre(3, 1));
    QTest::mouseRelease(widget.get(), Qt::RightButton, {}, centre(3, 1));
    QTest::mouseRelease(widget.get(), Qt::LeftButton, {}, centre(3, 1));
    EXPECT_EQ(canvas(), show({"######", "######"}));
    EXPECT_FALSE(ed.ImageModified());
}

TEST_F(CanvasWidgetTest, LeavingTheCanvasTakesTheEraserSquareAway) {
    open(MonoImage(16, 12, Pixel::Ink), 8);
    const std::string full = canvas();
    ed.setTool(Tool::Eraser);
    QTest::mouseMove(widget.get(), centre(8, 6));
    EXPECT_NE(canvas(), full);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(widget.get(), &leave);
    EXPECT_EQ(canvas(), full);
}

}  // namespace
}  // namespace glyphora::test
