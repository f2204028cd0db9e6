#include "GuiFixture.h"

#include <CanvasWidget.h>

#include <QTableWidget>
#include <QTest>

namespace glyphora::testing {

void GuiFixture::chooseSet(int row) {
    QTableWidget* grid = window().fontPage()->setGrid();
    grid->setCurrentCell(row, 1);
}

void GuiFixture::drawPixel() {
    CanvasWidget* canvas = window().fontPage()->canvas();
    const Qt::MouseButton button = window().editor().CanvasImage().isInk(0, 0) ? Qt::RightButton : Qt::LeftButton;
    // Screen pixel (1, 1) is glyph pixel (0, 0); QTest takes (0, 0) for the centre.
    QTest::mousePress(canvas, button, Qt::NoModifier, QPoint(1, 1));
    QTest::mouseRelease(canvas, button, Qt::NoModifier, QPoint(1, 1));
}

}  // namespace glyphora::testing
