// The editor commands as the window wires them: clipboard, widths, set
// height, shifts and undo, the tool palette.
#include "GuiFixture.h"

#include <CanvasWidget.h>
#include <ImageConvert.h>
#include <SetSizeDialog.h>
#include <ToolPalette.h>

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

namespace glyphora::testing {
namespace {

using fixtures::TypicalLangpack;

class EditorCommandsTest : public GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        open(writeLangpack("lang.smg", TypicalLangpack()));
    }
    const MonoImage& canvas() { return window().editor().CanvasImage(); }
};

TEST_F(EditorCommandsTest, CopyPutsTheGlyphOnTheClipboardAndPasteFloatsItBack) {
    MainWindow& w = window();
    const MonoImage before = canvas();
    w.action(Command::Copy)->trigger();
    const QImage copied = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(copied.isNull());
    EXPECT_EQ(fromQImage(copied), before);

    w.action(Command::Clear)->trigger();
    EXPECT_EQ(canvas(), MonoImage(before.width(), before.height()));
    w.action(Command::Paste)->trigger();
    EXPECT_TRUE(boxes_->shown.empty());
    EXPECT_TRUE(w.editor().SelectionActive());
    EXPECT_EQ(w.toolPalette()->currentTool(), Tool::Selection);
    EXPECT_EQ(w.statusText(2), QStringLiteral("Select: %1x8").arg(before.width()));
    w.editor().FalseGoBegin();
    EXPECT_EQ(w.editor().EditImage().copy(0, 0, before.width(), before.height()), before);
}

// Neither a snapshot nor a modified glyph nor an empty selection is left behind.
TEST_F(EditorCommandsTest, PasteWithoutAnImageSaysSoAndChangesNothing) {
    QGuiApplication::clipboard()->setText(QStringLiteral("no picture here"));
    const MonoImage before = canvas();
    window().action(Command::Paste)->trigger();
    ASSERT_EQ(texts(), QStringList{"In the buffer there is an image in a wrong format"});
    EXPECT_EQ(boxes_->shown[0].icon, Icon::Error);
    EXPECT_EQ(canvas(), before);
    EXPECT_FALSE(window().editor().ImageModified());
    EXPECT_FALSE(window().editor().SelectionActive());
    EXPECT_FALSE(window().action(Command::Undo)->isEnabled());
    EXPECT_FALSE(window().action(Command::SaveLangpack)->isEnabled());
    EXPECT_EQ(window().toolPalette()->currentTool(), Tool::Pencil);
    EXPECT_TRUE(window().statusText(2).isEmpty());
}

TEST_F(EditorCommandsTest, CutEmptiesTheGlyphAndUndoBringsItBack) {
    const MonoImage before = canvas();
    window().action(Command::Cut)->trigger();
    EXPECT_EQ(fromQImage(QGuiApplication::clipboard()->image()), before);
    EXPECT_EQ(canvas(), MonoImage(before.width(), before.height()));
    ASSERT_TRUE(window().action(Command::Undo)->isEnabled());
    window().action(Command::Undo)->trigger();
    EXPECT_EQ(canvas(), before);
}

TEST_F(EditorCommandsTest, WidthAndHeightShowInTheStatusBarAndTheGrids) {
    MainWindow& w = window();
    const int width = w.editor().GlyphWidth();
    w.action(Command::IncreaseWidth)->trigger();
    EXPECT_EQ(w.statusText(0), QStringLiteral("Size: %1x8").arg(width + 1));
    EXPECT_TRUE(w.action(Command::SaveImage)->isEnabled());
    EXPECT_TRUE(w.action(Command::SaveLangpack)->isEnabled());

    boxes_->sizes = {20};
    w.action(Command::SetWidth)->trigger();
    EXPECT_EQ(w.fontPage()->canvas()->width(), 15);
    w.action(Command::SaveImage)->trigger();
    QAbstractItemModel* grid = w.fontPage()->glyphGrid()->model();
    EXPECT_EQ(grid->data(grid->index(0, 3)).toString(), "15");

    // Set 3 is saved from set 2: both rows of the set grid show the new height.
    chooseSet(2);
    boxes_->sizes = {14};
    w.action(Command::SetHeight)->trigger();
    const QTableWidget* sets = w.fontPage()->setGrid();
    EXPECT_EQ(sets->item(1, 2)->text(), "14");
    EXPECT_EQ(sets->item(2, 2)->text(), "14");
    EXPECT_EQ(sets->item(3, 2)->text(), "10");
    EXPECT_EQ(w.statusText(0), QStringLiteral("Size: %1x14").arg(w.editor().GlyphWidth()));
    EXPECT_EQ(w.fontPage()->glyphGrid()->verticalHeader()->defaultSectionSize(), 18);
}

TEST_F(EditorCommandsTest, ShiftsMoveTheColumns) {
    MainWindow& w = window();
    const MonoImage before = canvas();
    w.action(Command::ShiftRight)->trigger();
    for (int y = 0; y < before.height(); ++y) {
        EXPECT_EQ(canvas().pixel(0, y), Pixel::Paper);
        for (int x = 1; x < before.width(); ++x) ASSERT_EQ(canvas().pixel(x, y), before.pixel(x - 1, y));
    }
    w.action(Command::ShiftLeft)->trigger();
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x + 1 < before.width(); ++x) ASSERT_EQ(canvas().pixel(x, y), before.pixel(x, y));
}

TEST_F(EditorCommandsTest, ToolPaletteIsOneGroupThatCanBeReleased) {
    MainWindow& w = window();
    auto* line = w.findChild<QToolButton*>("SpeedButton24");
    auto* pencil = w.findChild<QToolButton*>("SpeedButton9");
    line->click();
    EXPECT_EQ(w.editor().tool(), Tool::Line);
    EXPECT_FALSE(pencil->isChecked());
    line->click();
    EXPECT_EQ(w.editor().tool(), Tool::None);
    EXPECT_EQ(w.toolPalette()->currentTool(), Tool::None);
    const MonoImage before = canvas();
    drawPixel();
    EXPECT_EQ(canvas(), before);
    EXPECT_FALSE(w.editor().ImageModified());
}

}  // namespace
}  // namespace glyphora::testing
