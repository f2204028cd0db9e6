#include "GuiFixture.h"

#include <CanvasWidget.h>

#include <QApplication>
#include <QMouseEvent>
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
    // Sent as they are: QTest takes the point (0, 0) for the widget's centre.
    const QPointF corner(0, 0);
    QMouseEvent press(QEvent::MouseButtonPress, corner, canvas->mapToGlobal(corner), button, button, Qt::NoModifier);
    QApplication::sendEvent(canvas, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, corner, canvas->mapToGlobal(corner), button, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(canvas, &release);
}

}  // namespace glyphora::testing
