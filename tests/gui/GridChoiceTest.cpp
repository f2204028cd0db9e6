// The grids always show the set and glyph the session works on: after a
// refused choice, and after a stored change (the preview is drawn anew).
#include "GuiFixture.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QTest>

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

}  // namespace
}  // namespace glyphora::testing
