// The File menu's whole-set commands reach the session: a BDF and a PNG file
// are written, and the BDF read back into another set shows in its grid.
#include "GuiFixture.h"

#include <QMenu>

namespace glyphora::testing {
namespace {

using fixtures::TypicalLangpack;

class SetExchangeActionsTest : public GuiFixture {};

TEST_F(SetExchangeActionsTest, ExportBothWaysThenImportIntoAnotherSet) {
    MainWindow& w = window();
    const MainActions& a = w.actions();
    QStringList file;
    // The items themselves, without the "Recent files" submenu.
    for (QAction* item : w.findChild<QMenu*>("FileMenu")->actions())
        if (!item->menu()) file << item->objectName();
    EXPECT_EQ(file.mid(0, 6), QStringList({"N2", "N3", "N4", "ExportSetBdf", "ImportSetBdf", "ExportSetPng"}));
    EXPECT_FALSE(a.action(Command::ExportSetBdf)->isEnabled());

    open(writeLangpack("lang.smg", TypicalLangpack()));
    for (QAction* action :
         {a.action(Command::ExportSetBdf), a.action(Command::ImportSetBdf), a.action(Command::ExportSetPng)})
        EXPECT_TRUE(action->isEnabled());
    chooseSet(1);
    boxes_->saveFiles.push_back(path("general.bdf").toStdString());
    a.action(Command::ExportSetBdf)->trigger();
    EXPECT_TRUE(readText(path("general.bdf")).startsWith("STARTFONT 2.1\n"));
    boxes_->textAnswers.push_back("4");
    boxes_->saveFiles.push_back(path("general.png").toStdString());
    a.action(Command::ExportSetPng)->trigger();
    EXPECT_TRUE(readText(path("general.png")).startsWith("\x89PNG"));
    EXPECT_TRUE(texts().isEmpty()) << texts().join('\n').toStdString();

    // Set 1 is 8 rows high, the font 12: the default shift of 4 keeps its bottom rows.
    chooseSet(0);
    boxes_->openFiles.push_back(path("general.bdf").toStdString());
    boxes_->textAnswers.push_back("4");
    a.action(Command::ImportSetBdf)->trigger();
    EXPECT_EQ(boxes_->textDialogs.back().initial, "4");
    EXPECT_EQ(texts().last(),
              "Imported general.bdf into set 1.\nGlyphs replaced: 95\n"
              "Glyphs the font lacked (kept as they were): 0");
    EXPECT_TRUE(a.action(Command::SaveLangpack)->isEnabled());
    const QAbstractItemModel* grid = w.fontPage()->glyphGrid()->model();
    EXPECT_EQ(grid->data(grid->index(0, 3)).toString(), QString::number(lp().SymbolTable[1][0].Width));
    EXPECT_EQ(w.editor().GlyphWidth(), lp().SymbolTable[1][0].Width);
}

}  // namespace
}  // namespace glyphora::testing
