// The canvas pane and the window's own layout: "Fit glyph" as the window
// changes size, and what the view preferences keep between runs.
#include "GuiFixture.h"

#include <CanvasWidget.h>
#include <ViewPreferences.h>

#include <QApplication>
#include <QFile>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#include <csignal>
#endif

namespace glyphora::testing {
namespace {

using fixtures::TypicalLangpack;

class ViewLayoutTest : public GuiFixture {};

TEST_F(ViewLayoutTest, FitKeepsTheGlyphInsideThePaneWhenTheWindowShrinks) {
    MainWindow& w = window();
    open(writeLangpack("lang.smg", TypicalLangpack()));
    w.resize(1400, 1000);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.action(Command::FitGlyph)->trigger();
    QScrollArea* pane = w.fontPage()->scrollBox();
    CanvasWidget* canvas = w.fontPage()->canvas();
    auto inside = [&] {
        QApplication::processEvents();
        const QRect shown(canvas->mapTo(pane->viewport(), QPoint(0, 0)), canvas->size());
        return pane->viewport()->rect().contains(shown);
    };
    ASSERT_TRUE(inside());
    const int large = w.editor().ZoomFactor();
    EXPECT_GT(large, 16);  // a large window climbs past 16:1

    w.resize(600, 500);
    EXPECT_TRUE(inside());
    EXPECT_LT(w.editor().ZoomFactor(), large);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Glyphora - lang.smg [%1:1]").arg(w.editor().ZoomFactor()));
    // Centred: the room left and right of the glyph differ by a pixel at most.
    const int left = canvas->mapTo(pane->viewport(), QPoint(0, 0)).x();
    EXPECT_LE(std::abs(pane->viewport()->width() - canvas->width() - 2 * left), 1);

    // A zoom by hand ends the fit and is kept when the window changes size.
    w.action(Command::ZoomOut)->trigger();
    const int chosen = w.editor().ZoomFactor();
    EXPECT_FALSE(w.action(Command::FitGlyph)->isChecked());
    w.resize(1400, 1000);
    QApplication::processEvents();
    EXPECT_EQ(w.editor().ZoomFactor(), chosen);
}

// A restart lands on the set and glyph the window closed on, the glyph found
// by its code; a langpack that lost that code opens where it always did.
TEST_F(ViewLayoutTest, ARestartReopensTheSetAndGlyphThatWereShown) {
    const QString file = writeLangpack("lang.smg", TypicalLangpack());
    open(file);
    chooseSet(1);
    chooseGlyph(100);
    const uint16_t code = lp().glyphs(1)[100].Code;
    ASSERT_TRUE(window().close());
    window_.reset();
    EXPECT_EQ(session().CurrentSet(), 1);
    EXPECT_EQ(session().CurrentSymbol(), 100);
    EXPECT_EQ(window().fontPage()->glyphRow(), 100);
    EXPECT_EQ(lp().glyphs(1)[100].Code, code);

    ASSERT_TRUE(window().close());
    window_.reset();
    fixtures::LangpackSpec fewer = TypicalLangpack();
    fewer.Sets[1] = fixtures::PatternSet(12, {{0x20, 0x7E}}, {4, 5}, 200);  // no Cyrillic
    fewer.Sets[2] = fixtures::MirrorOf(fewer.Sets[1], 1);
    writeLangpack("lang.smg", fewer);
    EXPECT_EQ(session().CurrentSet(), 1);
    EXPECT_EQ(session().CurrentSymbol(), 0);
}

// A new installation has nothing stored: the 1:1 start, the window's own size.
TEST(ViewPreferencesFile, WhatIsStoredComesBackAndANewFileHoldsTheDefaults) {
    QTemporaryDir dir;
    const QString file = dir.filePath("Preferences.ini");
    {
        ViewPreferences fresh(file);
        EXPECT_FALSE(fresh.fitGlyph());
        EXPECT_TRUE(fresh.windowGeometry().isEmpty());
        EXPECT_EQ(fresh.guides("demo.smg", 2), SetGuides{});
        fresh.setFitGlyph(true);
        fresh.setGuides("demo.smg", 2, {9, 2});
        fresh.setGuides("odd\\name [1].smg", 1, {std::nullopt, 3});
        fresh.setWindowLayout("geometry", "state", "splitter");
        fresh.setLastFolder("bdf", "/fonts");
    }
    const ViewPreferences back(file);
    EXPECT_TRUE(back.fitGlyph());
    EXPECT_EQ(back.guides("demo.smg", 2), (SetGuides{9, 2}));
    EXPECT_EQ(back.guides("demo.smg", 3), SetGuides{});
    EXPECT_EQ(back.guides("odd\\name [1].smg", 1), (SetGuides{std::nullopt, 3}));
    EXPECT_EQ(back.windowGeometry(), "geometry");
    EXPECT_EQ(back.windowState(), "state");
    EXPECT_EQ(back.splitterState(), "splitter");
    EXPECT_EQ(back.lastFolder("bdf"), "/fonts");
    EXPECT_EQ(back.lastFolder("png"), "");
}

#ifndef _WIN32
// A FIFO where the file would be is neither waited for at start nor replaced
// at the end: the preferences are kept for the run only.
TEST(ViewPreferencesFile, AFifoInItsPlaceIsNotWaitedForNorReplaced) {
    QTemporaryDir dir;
    const QByteArray fifo = QFile::encodeName(dir.filePath("Preferences.ini"));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    std::signal(SIGALRM, SIG_DFL);
    ::alarm(20);  // a read that waits ends the test program instead of hanging it
    {
        ViewPreferences prefs(QFile::decodeName(fifo));
        EXPECT_FALSE(prefs.fitGlyph());
        prefs.setFitGlyph(true);
        EXPECT_TRUE(prefs.fitGlyph());
    }
    ::alarm(0);
    struct stat st {};
    ASSERT_EQ(::lstat(fifo.constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}
#endif

}  // namespace
}  // namespace glyphora::testing
