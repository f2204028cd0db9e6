// The editor commands as the window wires them: clipboard, widths, set
// height, shifts and undo, the tool palette.
#include "GuiFixture.h"

#include <CanvasWidget.h>
#include <ImageConvert.h>
#include <SetSizeDialog.h>
#include <ToolPalette.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
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

    // Answers the next modal set-size dialog with `text` in its enabled field.
    void answerSetSizeDialog(const QString& text) {
        QTimer::singleShot(0, [text] {
            auto* dialog = qobject_cast<SetSizeDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            for (const char* name : {"Edit1", "Edit2"}) {
                auto* edit = dialog->findChild<QLineEdit*>(name);
                if (!edit->isEnabled()) continue;
                edit->selectAll();
                QTest::keyClicks(edit, text);
            }
            dialog->findChild<QPushButton*>("BitBtn1")->click();
        });
    }
};

TEST_F(EditorCommandsTest, CopyPutsTheGlyphOnTheClipboardAndPasteFloatsItBack) {
    MainWindow& w = window();
    const MonoImage before = canvas();
    w.actions().copy->trigger();
    const QImage copied = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(copied.isNull());
    EXPECT_EQ(fromQImage(copied), before);

    w.actions().clear->trigger();
    EXPECT_EQ(canvas(), MonoImage(before.width(), before.height()));
    w.actions().paste->trigger();
    EXPECT_TRUE(boxes_->shown.empty());
    EXPECT_TRUE(w.editor().SelectionActive());
    EXPECT_EQ(w.toolPalette()->currentTool(), Tool::Selection);
    EXPECT_EQ(w.statusText(2), QStringLiteral("Select: %1x8").arg(before.width()));
    w.editor().FalseGoBegin();
    EXPECT_EQ(w.editor().EditImage().copy(0, 0, before.width(), before.height()), before);
}

TEST_F(EditorCommandsTest, PasteWithoutAnImageSaysSoAndPastesNothing) {
    QGuiApplication::clipboard()->setText(QStringLiteral("no picture here"));
    const MonoImage before = canvas();
    window().actions().paste->trigger();
    ASSERT_EQ(boxes_->texts(), QStringList{"In the buffer there is an image in a wrong format"});
    EXPECT_EQ(boxes_->shown[0].icon, Icon::Error);
    EXPECT_EQ(canvas(), before);
    EXPECT_TRUE(window().editor().ImageModified());
    EXPECT_EQ(window().statusText(2), "Select: 0x0");
}

TEST_F(EditorCommandsTest, CutEmptiesTheGlyphAndUndoBringsItBack) {
    const MonoImage before = canvas();
    window().actions().cut->trigger();
    EXPECT_EQ(fromQImage(QGuiApplication::clipboard()->image()), before);
    EXPECT_EQ(canvas(), MonoImage(before.width(), before.height()));
    ASSERT_TRUE(window().actions().undo->isEnabled());
    window().actions().undo->trigger();
    EXPECT_EQ(canvas(), before);
}

TEST_F(EditorCommandsTest, WidthCommandsResizeTheWorkingGlyph) {
    MainWindow& w = window();
    const int width = w.editor().GlyphWidth();
    w.actions().increaseWidth->trigger();
    EXPECT_EQ(w.statusText(0), QStringLiteral("Size: %1x8").arg(width + 1));
    EXPECT_TRUE(w.actions().saveImage->isEnabled());
    EXPECT_TRUE(w.langModified());
    w.actions().decreaseWidth->trigger();
    w.actions().decreaseWidth->trigger();
    EXPECT_EQ(w.editor().GlyphWidth(), width - 1);

    answerSetSizeDialog(QStringLiteral("20"));
    w.actions().setWidth->trigger();
    EXPECT_EQ(w.editor().GlyphWidth(), 15);
    EXPECT_EQ(w.fontPage()->canvas()->width(), 15);

    w.actions().saveImage->trigger();
    QAbstractItemModel* grid = w.fontPage()->glyphGrid()->model();
    EXPECT_EQ(grid->data(grid->index(0, 3)).toString(), "15");
    EXPECT_EQ(w.document()->langpack().SymbolTable[0][0].Width, 15);
}

TEST_F(EditorCommandsTest, SetHeightResizesEveryGlyphOfTheSet) {
    MainWindow& w = window();
    chooseSet(1);
    answerSetSizeDialog(QStringLiteral("14"));
    w.actions().setHeight->trigger();
    const TLangpack& lp = w.document()->langpack();
    EXPECT_EQ(lp.FontSetTable[1].Height, 14);
    EXPECT_EQ(w.fontPage()->setGrid()->item(1, 2)->text(), "14");
    EXPECT_EQ(w.editor().GlyphHeight(), 14);
    EXPECT_EQ(w.statusText(0), QStringLiteral("Size: %1x14").arg(w.editor().GlyphWidth()));
    for (const Symbols& g : lp.SymbolTable[1])
        ASSERT_EQ(g.Data.size(), static_cast<std::size_t>(14 * BytesPerRow(g.Width)));
    EXPECT_TRUE(w.langModified());
    EXPECT_FALSE(w.editor().ImageModified());
}

// Set 3 is saved from set 2: a height and a glyph edited in set 3 reach both.
TEST_F(EditorCommandsTest, EditsOfSet3SurviveTheSaveInSets2And3) {
    MainWindow& w = window();
    chooseSet(2);
    answerSetSizeDialog(QStringLiteral("13"));
    w.actions().setHeight->trigger();
    const QTableWidget* sets = w.fontPage()->setGrid();
    EXPECT_EQ(sets->item(1, 2)->text(), "13");
    EXPECT_EQ(sets->item(2, 2)->text(), "13");
    EXPECT_EQ(sets->item(3, 2)->text(), "10");

    chooseGlyph(4);
    drawPixel();
    w.actions().saveImage->trigger();
    const std::vector<uint8_t> edited = w.document()->langpack().SymbolTable[2][4].Data;
    w.actions().saveLangpack->trigger();
    EXPECT_TRUE(boxes_->shown.empty()) << boxes_->texts().join('\n').toStdString();

    open(path(QStringLiteral("lang.smg")));
    const TLangpack& lp = w.document()->langpack();
    for (std::size_t k : {1u, 2u}) {
        EXPECT_EQ(lp.FontSetTable[k].Height, 13) << "set " << k + 1;
        EXPECT_EQ(lp.SymbolTable[k][4].Data, edited) << "set " << k + 1;
    }
}

TEST_F(EditorCommandsTest, SetHeightCancelledAtTheGlyphQuestionOpensNoDialog) {
    drawPixel();
    boxes_->answers = {Answer::Cancel};
    window().actions().setHeight->trigger();  // a dialog would block here
    EXPECT_EQ(boxes_->texts(), QStringList{"Save the current symbol?"});
    EXPECT_EQ(window().document()->langpack().FontSetTable[0].Height, 8);
}

TEST_F(EditorCommandsTest, ShiftsMoveTheColumns) {
    MainWindow& w = window();
    const MonoImage before = canvas();
    w.actions().shiftRight->trigger();
    for (int y = 0; y < before.height(); ++y) {
        EXPECT_EQ(canvas().pixel(0, y), Pixel::Paper);
        for (int x = 1; x < before.width(); ++x) ASSERT_EQ(canvas().pixel(x, y), before.pixel(x - 1, y));
    }
    w.actions().shiftLeft->trigger();
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
