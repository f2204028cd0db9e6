// The grids always show the set and glyph the session works on: after a
// refused choice, and after a stored change (the preview is drawn anew).
#include "GuiFixture.h"

#include <GlyphMapView.h>

#include <QHeaderView>
#include <QTableWidget>
#include <QTest>
#include <QWheelEvent>

namespace glyphora::testing {
namespace {

class GridChoiceTest : public GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        open(writeLangpack("lang.smg", fixtures::TypicalLangpack()));
        window().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    }
    // A real click on a row, as the user gives it.
    static void clickRow(QTableView* grid, int row) {
        const QRect cell = grid->visualRect(grid->model()->index(row, 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        QCoreApplication::processEvents();
    }
    static std::vector<int> selectedRows(QTableView* grid) {
        std::vector<int> rows;
        for (const QModelIndex& i : grid->selectionModel()->selectedRows()) rows.push_back(i.row());
        return rows;
    }
};

TEST_F(GridChoiceTest, CancelLeavesBothGridsOnTheWorkingSetAndGlyph) {
    drawPixel();
    boxes_->answers = {Answer::Cancel};
    clickRow(window().fontPage()->setGrid(), 3);
    EXPECT_EQ(texts(), QStringList{"Save the current symbol?"});
    EXPECT_EQ(session().CurrentSet(), 0);
    EXPECT_EQ(window().fontPage()->setGrid()->currentRow(), 0);
    EXPECT_EQ(selectedRows(window().fontPage()->setGrid()), std::vector<int>{0});

    boxes_->clear();
    boxes_->answers = {Answer::Cancel};
    clickRow(window().fontPage()->glyphGrid(), 1);
    EXPECT_EQ(texts(), QStringList{"Save the current symbol?"});
    EXPECT_EQ(session().CurrentSymbol(), 0);
    EXPECT_EQ(window().fontPage()->glyphRow(), 0);
    EXPECT_EQ(selectedRows(window().fontPage()->glyphGrid()), std::vector<int>{0});
}

TEST_F(GridChoiceTest, TheStoredGlyphsPreviewIsDrawnAnew) {
    QTableView* grid = window().fontPage()->glyphGrid();
    const QRect preview = grid->visualRect(grid->model()->index(0, 0));
    const QImage before = grid->viewport()->grab(preview).toImage();
    drawPixel();
    window().action(Command::SaveImage)->trigger();
    EXPECT_NE(grid->viewport()->grab(preview).toImage(), before);
}

// Go to character, a click in the sample text and the like choose the glyph
// from code: Shift+arrow and Shift+click then extend from that row.
TEST_F(GridChoiceTest, ARangeExtendsFromTheGlyphChosenFromCode) {
    QTableView* grid = window().fontPage()->glyphGrid();
    clickRow(grid, 1);
    session().ChooseSymbol(20);
    QCoreApplication::processEvents();
    QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(selectedRows(grid), (std::vector<int>{20, 21}));

    session().ChooseSymbol(30);
    QCoreApplication::processEvents();
    grid->scrollTo(grid->model()->index(32, 1));
    QCoreApplication::processEvents();
    const QRect cell = grid->visualRect(grid->model()->index(32, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ShiftModifier, cell.center());
    EXPECT_EQ(selectedRows(grid), (std::vector<int>{30, 31, 32}));
}

// The glyph map and the glyph grid are two views of one choice: a click in the
// map opens the glyph, Shift+click chooses a range that the grid shows, and
// Ctrl + wheel changes the map's scale only.
TEST_F(GridChoiceTest, TheGlyphMapAndTheGridShareOneChoice) {
    GlyphMapView* map = window().glyphMap()->view();
    window().glyphMap()->show();
    QTableView* grid = window().fontPage()->glyphGrid();
    auto click = [&](int row, Qt::KeyboardModifiers keys) {
        const QRect cell = map->visualRect(map->model()->index(row, 0));
        ASSERT_TRUE(cell.isValid());
        QTest::mouseClick(map->viewport(), Qt::LeftButton, keys, cell.center());
        QCoreApplication::processEvents();
    };
    click(4, Qt::NoModifier);
    EXPECT_EQ(session().CurrentSymbol(), 4);
    EXPECT_EQ(window().fontPage()->glyphRow(), 4);
    click(7, Qt::ShiftModifier);
    EXPECT_EQ(selectedRows(grid), (std::vector<int>{4, 5, 6, 7}));
    EXPECT_EQ(window().fontPage()->chosenGlyphRows().top, 4);
    EXPECT_EQ(window().fontPage()->chosenGlyphRows().bottom, 7);

    clickRow(grid, 2);
    QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_TRUE(map->selectionModel()->isSelected(map->model()->index(3, 0)));
    EXPECT_FALSE(map->selectionModel()->isSelected(map->model()->index(4, 0)));

    const QSize before = map->cellSize();
    QWheelEvent wheel(QPointF(5, 5), map->viewport()->mapToGlobal(QPointF(5, 5)), {}, {0, 120}, Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(map->viewport(), &wheel);
    EXPECT_EQ(map->scale(), 3);
    EXPECT_GT(map->cellSize().height(), before.height());
    EXPECT_EQ(session().CurrentSymbol(), 3);
}

}  // namespace
}  // namespace glyphora::testing
