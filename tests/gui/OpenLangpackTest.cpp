// Opening langpacks through the main window: what the pages, the grids, the
// title and the commands show. The flows themselves are the session's tests.
#include "GuiFixture.h"

#include <HexText.h>
#include <InfoPage.h>
#include <LangpackReader.h>
#include <ToolPalette.h>

#include <CanvasWidget.h>

#include <QDialog>
#include <QHeaderView>
#include <QMenu>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

namespace glyphora::testing {
namespace {

using fixtures::LangpackSpec;
using fixtures::TypicalLangpack;

class OpenLangpackTest : public GuiFixture {
protected:
    QString cell(QTableWidget* grid, int row, int column) {
        QTableWidgetItem* item = grid->item(row, column);
        return item ? item->text() : QString();
    }
    QString glyphCell(int row, int column) {
        QAbstractItemModel* model = window().fontPage()->glyphGrid()->model();
        return model->data(model->index(row, column)).toString();
    }
    QStringList enabledActions() {
        QStringList names;
        for (QAction* a : window().findChildren<QAction*>())
            if (!a->objectName().isEmpty() && a->isEnabled() && !a->menu()) names << a->objectName();
        names.sort();
        return names;
    }
};

TEST_F(OpenLangpackTest, StartsWithOnlyTheAlwaysAvailableCommands) {
    MainWindow& w = window();
    EXPECT_EQ(w.windowTitle(), "Glyphora");
    EXPECT_EQ(w.objectName(), "TForm1");
    // The three view options beside the menus' own items are always on.
    EXPECT_EQ(enabledActions(), QStringList({"GlyphMap", "N2", "N24", "N26", "N33", "N34", "N6", "PixelGrid",
                                             "SampleText", "Selectfontfile1", "Selectwindowsfont1"}));
    EXPECT_FALSE(w.findChild<QMenu*>("N23")->isEnabled());
    EXPECT_FALSE(w.fontPage()->canvas()->isVisibleTo(&w));
    EXPECT_EQ(w.toolPalette()->currentTool(), Tool::Pencil);
    EXPECT_EQ(w.minimumSize(), QSize(600, 500));

    // Every toolbar button carries its designer name and shares its menu item's action.
    const std::pair<const char*, const char*> buttons[] = {
        {"SpeedButton1", "N2"},   {"SpeedButton2", "N4"},
        {"SpeedButton7", "N3"},   {"SpeedButton3", "N14"},
        {"SpeedButton4", "N15"},  {"SpeedButton10", "N11"},
        {"SpeedButton11", "N12"}, {"SpeedButton12", "N13"},
        {"SpeedButton16", "N8"},  {"SpeedButton13", "N30"},
        {"SpeedButton14", "N31"}, {"SpeedButton6", "N17"},
        {"SpeedButton5", "N18"},  {"SpeedButton8", "Selectwindowsfont1"},
        {"SpeedButton15", "N28"}, {"SpeedButton17", "N29"},
    };
    for (const auto& [button, item] : buttons) {
        auto* b = w.findChild<QToolButton*>(button);
        ASSERT_NE(b, nullptr) << button;
        EXPECT_EQ(b->defaultAction(), w.findChild<QAction*>(item)) << button;
    }
    for (const char* tool : {"SpeedButton9", "SpeedButton20", "SpeedButton23", "SpeedButton21", "SpeedButton22",
                             "SpeedButton24", "SpeedButton25", "SpeedButton26", "SpeedButton27", "SpeedButton28"}) {
        auto* b = w.findChild<QToolButton*>(tool);
        ASSERT_NE(b, nullptr) << tool;
        EXPECT_TRUE(b->isEnabled()) << tool;
    }
}

// The start builds the main window alone; another window is built when it
// is first opened (or looked at).
TEST_F(OpenLangpackTest, SecondaryWindowsAreBuiltWhenFirstOpened) {
    open(writeLangpack(QStringLiteral("lang.smg"), TypicalLangpack()));
    window().show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(window().findChildren<QDialog*>().isEmpty());
    window().action(Command::CharacterRanges)->trigger();
    ASSERT_EQ(window().findChildren<QDialog*>().size(), 1);
    EXPECT_TRUE(window().findChildren<QDialog*>().front()->isVisible());
    EXPECT_NE(window().setSizeDialog(), nullptr);
    EXPECT_EQ(window().findChildren<QDialog*>().size(), 2);
}

TEST_F(OpenLangpackTest, OpeningFillsPagesTitleAndCommands) {
    open(writeLangpack("lang.smg", TypicalLangpack()));
    MainWindow& w = window();
    ASSERT_NE(session().document(), nullptr);
    EXPECT_TRUE(boxes_->shown.empty());
    EXPECT_EQ(w.windowTitle(), "Glyphora - lang.smg [1:1]");

    QTableWidget* header = w.infoPage()->headerGrid();
    const QStringList values = {
        "10000000",
        "04.06",
        "0B",
        "2",
        QString::fromStdString(UpperHex(static_cast<uint32_t>(lp().Header.FontsAddress), 8)),
        QString::fromStdString(UpperHex(static_cast<uint32_t>(lp().Header.SetTableAddress), 8))};
    for (int row = 0; row < 6; ++row) EXPECT_EQ(cell(header, row, 1), values[row]) << row;
    EXPECT_EQ(cell(header, 0, 0), "Langpack address");

    QTableWidget* languages = w.infoPage()->languageGrid();
    ASSERT_EQ(languages->rowCount(), 2);
    EXPECT_EQ(cell(languages, 0, 0), "01");
    EXPECT_EQ(cell(languages, 0, 1), "US English");
    EXPECT_EQ(cell(languages, 1, 1), "Russian");
    EXPECT_EQ(cell(languages, 1, 2), "00000000");
    EXPECT_EQ(cell(languages, 1, 3), "10280000");

    QTableWidget* sets = w.fontPage()->setGrid();
    ASSERT_EQ(sets->rowCount(), 4);
    EXPECT_EQ(cell(sets, 1, 0), "2");
    EXPECT_EQ(cell(sets, 1, 1), "General font");
    EXPECT_EQ(cell(sets, 3, 2), "10");
    EXPECT_EQ(sets->model()->headerData(0, Qt::Horizontal).toString(), "No.");

    // First set and glyph chosen: the glyph commands are on, the rest as after BeginSetup.
    EXPECT_EQ(w.fontPage()->setGrid()->currentRow(), 0);
    EXPECT_EQ(w.fontPage()->glyphRow(), 0);
    EXPECT_TRUE(w.fontPage()->canvas()->isVisibleTo(&w));
    for (Command c : kGlyphCommands) EXPECT_TRUE(w.action(c)->isEnabled()) << w.action(c)->objectName().toStdString();
    EXPECT_TRUE(w.action(Command::ZoomIn)->isEnabled());
    for (QAction* a : {w.action(Command::ZoomOut), w.action(Command::Undo), w.action(Command::SaveImage),
                       w.action(Command::SaveLangpack)})
        EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
    const Symbols& first = lp().SymbolTable[0][0];
    EXPECT_EQ(w.statusText(0), QStringLiteral("Size: %1x8").arg(first.Width));
}

TEST_F(OpenLangpackTest, GlyphGridShowsCodesCharactersWidthsAndRowHeights) {
    LangpackSpec spec = TypicalLangpack();
    spec.Sets[3].Height = 24;
    open(writeLangpack("lang.smg", spec));
    QTableView* grid = window().fontPage()->glyphGrid();
    EXPECT_EQ(grid->model()->rowCount(), 95);
    EXPECT_EQ(glyphCell(0, 1), "0020");
    EXPECT_EQ(glyphCell(33, 2), "A");
    EXPECT_EQ(grid->verticalHeader()->defaultSectionSize(), 18);
    const QStringList captions = {"", "Unicod", "Symbol", "Width"};
    const int widths[] = {15, 55, 54, 55};
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(grid->model()->headerData(c, Qt::Horizontal).toString(), captions[c]);
        EXPECT_EQ(grid->columnWidth(c), widths[c]);
    }

    chooseSet(1);
    EXPECT_EQ(grid->model()->rowCount(), 159);
    EXPECT_EQ(glyphCell(95, 1), "0410");
    EXPECT_EQ(glyphCell(95, 2), QString(QChar(0x0410)));
    const Symbols& g = lp().SymbolTable[1][95];
    EXPECT_EQ(glyphCell(95, 3), QString::number(g.Width));

    chooseSet(3);
    EXPECT_EQ(grid->verticalHeader()->defaultSectionSize(), 24);
    EXPECT_EQ(window().statusText(0), "Size: 6x24");
}

TEST_F(OpenLangpackTest, ADamagedFileIsRefusedWithAWarningAndTheTitleStays) {
    const QString good = writeLangpack("good.smg", TypicalLangpack());
    open(good);
    auto built = fixtures::BuildLangpack(TypicalLangpack());
    built.Bytes.resize(built.Sets[1].GlyphOffsets[20]);
    open(writeFile("cut.smg", built.Bytes));
    ASSERT_EQ(boxes_->shown.size(), 1u);
    EXPECT_EQ(boxes_->shown[0].icon, Icon::Warning);
    EXPECT_EQ(window().windowTitle(), "Glyphora - good.smg [1:1]");
    EXPECT_EQ(window().fontPage()->setGrid()->rowCount(), 4);
}

TEST_F(OpenLangpackTest, AnErrorEscapingACommandIsReportedAndTheProgramGoesOn) {
    // An open dialog that fails as a library call may.
    struct Throwing : ScriptedPrompts {
        std::optional<std::string> chooseOpenFile(const FileDialog&) override {
            throw std::runtime_error("disk on fire");
        }
    };
    auto throwing = std::make_shared<Throwing>();
    boxes_ = throwing;
    window().action(Command::OpenFile)->trigger();
    ASSERT_EQ(texts(), QStringList{"disk on fire"});
    EXPECT_EQ(boxes_->shown[0].icon, Icon::Error);
    window().openFile(writeLangpack("lang.smg", TypicalLangpack()));
    EXPECT_NE(session().document(), nullptr);
}

TEST_F(OpenLangpackTest, ZoomStepsThroughTheLadderAndResetsOnOpen) {
    const QString file = writeLangpack("lang.smg", TypicalLangpack());
    open(file);
    MainWindow& w = window();
    for (int zoom : {2, 3, 4, 6, 8, 16}) {
        w.action(Command::ZoomIn)->trigger();
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Glyphora - lang.smg [%1:1]").arg(zoom));
        EXPECT_EQ(w.fontPage()->canvas()->width(), w.editor().GlyphWidth() * zoom);
    }
    EXPECT_FALSE(w.action(Command::ZoomIn)->isEnabled());
    EXPECT_TRUE(w.action(Command::ZoomOut)->isEnabled());
    for (int zoom : {8, 6, 4, 3, 2, 1}) {
        w.action(Command::ZoomOut)->trigger();
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Glyphora - lang.smg [%1:1]").arg(zoom));
    }
    EXPECT_FALSE(w.action(Command::ZoomOut)->isEnabled());

    // The keypad keys, wherever the focus is in the window.
    w.show();
    QTest::keyClick(w.fontPage()->glyphGrid(), Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(w.windowTitle(), "Glyphora - lang.smg [2:1]");
    QTest::keyClick(w.fontPage()->setGrid(), Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(w.windowTitle(), "Glyphora - lang.smg [1:1]");
    QTest::keyClick(w.fontPage()->glyphGrid(), Qt::Key_Plus);
    EXPECT_EQ(w.windowTitle(), "Glyphora - lang.smg [1:1]");

    for (int i = 0; i < 6; ++i) w.action(Command::ZoomIn)->trigger();
    open(file);
    EXPECT_EQ(w.windowTitle(), "Glyphora - lang.smg [1:1]");
    EXPECT_TRUE(w.action(Command::ZoomIn)->isEnabled());
    EXPECT_FALSE(w.action(Command::ZoomOut)->isEnabled());
}

TEST_F(OpenLangpackTest, GridColumnsFollowTheirWidth) {
    MainWindow& w = window();
    w.show();
    w.infoPage()->show();
    QTableWidget* header = w.infoPage()->headerGrid();
    header->resize(400, header->height());
    EXPECT_EQ(header->columnWidth(0), 315);
    EXPECT_EQ(header->columnWidth(1), 80);
    QTableWidget* languages = w.infoPage()->languageGrid();
    languages->resize(500, 200);
    EXPECT_EQ(languages->columnWidth(1), 214);
    QTableWidget* sets = w.fontPage()->setGrid();
    sets->resize(450, 150);
    EXPECT_EQ(sets->columnWidth(0), 30);
    EXPECT_EQ(sets->columnWidth(1), 334);
    EXPECT_EQ(sets->columnWidth(2), 60);
}

}  // namespace
}  // namespace glyphora::testing
