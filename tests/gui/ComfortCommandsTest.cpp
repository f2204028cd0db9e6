// The commands beside the original menus, each as the user reaches it: the
// step history, go to character, the pixel grid, the sample text, the marks
// of changed glyphs, the zoom keys and wheel, recent files and a dropped file,
// and the keys of every action and menu.
#include "GuiFixture.h"

#include <CanvasWidget.h>
#include <GlyphTableModel.h>
#include <GoToDialog.h>
#include <RecentFilesMenu.h>
#include <SamplePanel.h>
#include <SampleView.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QScrollArea>
#include <QSettings>
#include <QShortcut>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <map>

namespace glyphora::testing {
namespace {

using fixtures::TypicalLangpack;

class ComfortCommandsTest : public GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        file_ = writeLangpack("lang.smg", TypicalLangpack());
        open(file_);
    }
    bool inkAtOrigin() { return window().editor().EditImage().isInk(0, 0); }
    QVariant preference(const QString& key) {
        QSettings stored(path(QStringLiteral("Preferences.ini")), QSettings::IniFormat);
        return stored.value(key);
    }
    QString file_;
};

TEST_F(ComfortCommandsTest, StepBackwardAndForwardWalkTheGlyphsHistory) {
    const MainActions& a = window().actions();
    const bool original = inkAtOrigin();
    EXPECT_FALSE(a.action(Command::StepBackward)->isEnabled());
    drawPixel();
    ASSERT_TRUE(a.action(Command::StepBackward)->isEnabled());
    a.action(Command::StepBackward)->trigger();
    EXPECT_EQ(inkAtOrigin(), original);
    EXPECT_TRUE(a.action(Command::StepForward)->isEnabled());
    a.action(Command::StepForward)->trigger();
    EXPECT_NE(inkAtOrigin(), original);
    // Ctrl+Z still toggles.
    a.action(Command::Undo)->trigger();
    a.action(Command::Undo)->trigger();
    EXPECT_NE(inkAtOrigin(), original);
}

TEST_F(ComfortCommandsTest, GoToCharacterSelectsTheGlyphOrNamesTheSetsThatHaveIt) {
    MainWindow& w = window();
    auto answer = [&w](const QString& typed) {
        QTimer::singleShot(0, &w, [&w, typed] {
            w.goToDialog()->field()->setText(typed);
            w.goToDialog()->accept();
        });
        w.action(Command::GoToCharacter)->trigger();
    };
    answer(QStringLiteral("0x41"));
    EXPECT_EQ(session().CurrentSymbol(), 0x41 - 0x20);
    EXPECT_EQ(w.fontPage()->glyphRow(), 0x41 - 0x20);
    answer(QStringLiteral("Ж"));
    EXPECT_EQ(texts(), QStringList{"The set 1 has no character U+0416 (Ж).\nIt is in the sets 2 and 3."});
    EXPECT_EQ(w.goToDialog()->hint()->text(), QStringLiteral("U+0416 (Ж) is not in the set 1"));
}

TEST_F(ComfortCommandsTest, PixelGridIsDrawnOnTheScreenOnlyAndRemembered) {
    MainWindow& w = window();
    for (int i = 0; i < 3; ++i) w.action(Command::ZoomIn)->trigger();  // zoom 4
    CanvasWidget* canvas = w.fontPage()->canvas();
    const MonoImage glyph = w.editor().EditImage();
    const QImage plain = canvas->grab().toImage();
    w.action(Command::PixelGrid)->trigger();
    EXPECT_TRUE(canvas->pixelGrid());
    const QImage grid = canvas->grab().toImage();
    EXPECT_NE(grid.pixel(4, 1), plain.pixel(4, 1));  // the line between glyph columns 0 and 1
    EXPECT_EQ(grid.pixel(6, 6), plain.pixel(6, 6));  // inside a glyph pixel
    EXPECT_EQ(w.editor().EditImage(), glyph);
    EXPECT_EQ(preference(QStringLiteral("View/PixelGrid")).toBool(), true);
}

TEST_F(ComfortCommandsTest, SampleTextFollowsTheCanvasAndAClickChoosesTheGlyph) {
    MainWindow& w = window();
    w.resize(900, 700);
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    SamplePanel* panel = w.samplePanel();
    // Keys typed into the line are the line's, not the glyph commands' (Delete, the arrows).
    const MonoImage glyph = w.editor().EditImage();
    panel->textEdit()->setFocus();
    QTest::keyClicks(panel->textEdit(), QStringLiteral("x"));
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Delete, Qt::Key_Right}) QTest::keyClick(panel->textEdit(), key);
    EXPECT_EQ(w.editor().EditImage(), glyph);
    EXPECT_FALSE(w.editor().ImageModified());

    panel->textEdit()->setText(QStringLiteral(" A"));  // glyph 0 of set 1 is the space
    SampleView* view = panel->view();
    const bool before = view->line().image.isInk(0, 0);
    drawPixel();  // not stored: the picture shows it at once
    EXPECT_NE(view->line().image.isInk(0, 0), before);
    // Kept in the file once typing pauses.
    EXPECT_NE(preference(QStringLiteral("Sample/Text")).toString(), QStringLiteral(" A"));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return preference(QStringLiteral("Sample/Text")).toString() == QStringLiteral(" A"); }, 3000));

    boxes_->answers = {Answer::No};
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, view->characterCentre(1));
    EXPECT_EQ(texts(), QStringList{"Save the current symbol?"});
    EXPECT_EQ(session().CurrentSymbol(), 0x41 - 0x20);
    EXPECT_EQ(view->line().image.isInk(0, 0), before);  // the dropped change is gone from it too

    w.action(Command::SampleText)->trigger();
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(preference(QStringLiteral("Sample/Shown")).toBool(), false);

    // Hidden, it skips the edits; shown again, it has caught up with them.
    boxes_->answers = {Answer::No};
    session().ChooseSymbol(0);
    drawPixel();
    w.action(Command::SampleText)->trigger();
    EXPECT_NE(view->line().image.isInk(0, 0), before);
}

TEST_F(ComfortCommandsTest, ChangedGlyphsAndTheirSetsAreMarkedUntilTheSave) {
    MainWindow& w = window();
    QAbstractItemModel* glyphs = w.fontPage()->glyphGrid()->model();
    auto marked = [glyphs](int row) {
        return glyphs->data(glyphs->index(row, 1), GlyphTableModel::ChangedRole).toBool();
    };
    drawPixel();
    w.action(Command::SaveImage)->trigger();
    EXPECT_TRUE(marked(0));
    EXPECT_FALSE(marked(1));
    EXPECT_TRUE(session().changedGlyphs().setChanged(0));
    w.action(Command::SaveLangpack)->trigger();
    EXPECT_FALSE(marked(0));
    EXPECT_FALSE(session().changedGlyphs().setChanged(0));
}

TEST_F(ComfortCommandsTest, CtrlKeysAndCtrlWheelWalkTheZoomLadder) {
    MainWindow& w = window();
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QWidget* grid = w.fontPage()->glyphGrid();
    QTest::keyClick(grid, Qt::Key_Equal, Qt::ControlModifier);
    QTest::keyClick(grid, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(w.windowTitle(), "Glyphora - lang.smg [3:1]");
    QTest::keyClick(grid, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(w.windowTitle(), "Glyphora - lang.smg [2:1]");

    CanvasWidget* canvas = w.fontPage()->canvas();
    auto wheel = [canvas](int delta, Qt::KeyboardModifiers modifiers) {
        QWheelEvent event(QPointF(1, 1), canvas->mapToGlobal(QPointF(1, 1)), QPoint(), QPoint(0, delta), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(canvas, &event);
    };
    wheel(120, Qt::ControlModifier);
    wheel(60, Qt::ControlModifier);  // half a notch does nothing yet
    EXPECT_EQ(w.windowTitle(), "Glyphora - lang.smg [3:1]");
    wheel(60, Qt::ControlModifier);
    EXPECT_EQ(w.windowTitle(), "Glyphora - lang.smg [4:1]");
    wheel(-240, Qt::ControlModifier);
    wheel(-120, Qt::NoModifier);  // a plain wheel scrolls
    EXPECT_EQ(w.windowTitle(), "Glyphora - lang.smg [2:1]");
}

TEST_F(ComfortCommandsTest, RecentFilesOpenNewestFirstAndLoseMissingOnes) {
    MainWindow& w = window();
    const QString other = writeLangpack("other.smg", TypicalLangpack());
    open(other);
    RecentFilesMenu* recent = w.recentFiles();
    EXPECT_EQ(recent->files(), QStringList({other, file_}));
    QAction* second = recent->menu()->findChild<QAction*>(QStringLiteral("RecentFile2"), Qt::FindDirectChildrenOnly);
    ASSERT_NE(second, nullptr);
    second->trigger();
    EXPECT_EQ(session().CurrentFileName(), file_.toStdString());
    EXPECT_EQ(recent->files(), QStringList({file_, other}));

    QFile::remove(other);
    recent->menu()->actions().at(1)->trigger();
    ASSERT_EQ(texts().size(), 1);
    EXPECT_TRUE(texts()[0].contains(QStringLiteral("removed from the recent files")));
    EXPECT_EQ(recent->files(), QStringList{file_});
    EXPECT_EQ(preference(QStringLiteral("Recent/Files")).toStringList(), QStringList{file_});
}

TEST_F(ComfortCommandsTest, ADroppedFileGoesThroughTheOpenFileFlow) {
    MainWindow& w = window();
    const QString other = writeLangpack("other.smg", TypicalLangpack());
    drawPixel();
    w.action(Command::SaveImage)->trigger();  // the langpack is changed: opening another asks
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(other)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &drop);
    EXPECT_TRUE(drop.isAccepted());
    boxes_->answers = {Answer::No};
    QCoreApplication::processEvents();
    EXPECT_EQ(texts(), QStringList{"Save changed langpack?"});
    EXPECT_EQ(session().CurrentFileName(), other.toStdString());
}

// Menu titles read as before and reach their menus with Alt; no two actions,
// shortcuts or mnemonics, share a key; F10 opens the first menu.
TEST_F(ComfortCommandsTest, EveryKeyIsTakenOnce) {
    MainWindow& w = window();
    QStringList titles;
    std::map<QString, QString> keys;  // key -> what takes it
    auto take = [&keys](const QKeySequence& key, const QString& owner) {
        const QString text = key.toString(QKeySequence::PortableText);
        const auto [at, fresh] = keys.emplace(text, owner);
        EXPECT_TRUE(fresh) << text.toStdString() << " is taken by " << at->second.toStdString() << " and "
                           << owner.toStdString();
    };
    for (QAction* menu : w.menuBar()->actions()) {
        titles << QString(menu->text()).remove(QLatin1Char('&'));
        take(QKeySequence::mnemonic(menu->text()), QStringLiteral("menu ") + menu->text());
    }
    EXPECT_EQ(titles, QStringList({"File", "Edit", "View", "Size image", "Processing", "Language", "?"}));
    for (QAction* action : w.findChildren<QAction*>())
        for (const QKeySequence& key : action->shortcuts()) take(key, action->objectName());
    for (QShortcut* shortcut : w.findChildren<QShortcut*>()) take(shortcut->key(), shortcut->objectName());
    EXPECT_EQ(keys.at(QStringLiteral("Alt+I")), QStringLiteral("menu Size &image"));
    EXPECT_EQ(keys.at(QStringLiteral("Alt+S")), QStringLiteral("N3"));
    EXPECT_EQ(keys.at(QStringLiteral("Alt+X")), QStringLiteral("N6"));

    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(w.fontPage()->glyphGrid(), Qt::Key_F10);
    ASSERT_NE(w.menuBar()->activeAction(), nullptr);
    EXPECT_EQ(w.menuBar()->activeAction()->text(), QStringLiteral("&File"));
    w.menuBar()->activeAction()->menu()->hide();
}

}  // namespace
}  // namespace glyphora::testing
