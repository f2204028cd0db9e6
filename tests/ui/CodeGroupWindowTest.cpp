#include "CodeGroupWindow.h"
#include "ShxBuilder.h"
#include "ShxExtractor.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

namespace glyphora {
namespace {

using fixtures::PatternBytes;
using fixtures::ShxBuilder;
using fixtures::WriteBytes;
using ::glyphora::testing::TempFolder;

// One application for the whole run, never destroyed: tearing it down during
// static destruction, after windows were shown, crashes in the platform plugin.
void App() {
    static int argc = 1;
    static char name[] = "test_shx_window";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) new QApplication(argc, argv);
}

// Counts how often a widget is shown.
class ShowCounter : public QObject {
public:
    int shows = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) ++shows;
        return false;
    }
};

QString Cell(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
}

// The window shows an extraction as the session runs it.
shx::ExtractResult Extract(CodeGroupWindow& window, const std::string& path) {
    window.extractionBegan();
    shx::ExtractResult result = shx::ShxExtractor(window.extractionReports()).SplitSHX(path);
    window.extractionEnded();
    return result;
}

std::string ThreeGroups(const TempFolder& dir) {
    ShxBuilder shx;
    shx.codeGroup(-2, 0x03FC0000, PatternBytes(100, 1))
        .codeGroup(1, 0x10000000, PatternBytes(3000, 2))
        .codeGroup(4, 0x11000000, PatternBytes(2048, 3));
    const std::string path = dir.path("phone.shx");
    WriteBytes(path, shx.bytes());
    return path;
}

TEST(CodeGroupWindow, ExtractionFillsOneRowPerCodeGroup) {
    App();
    TempFolder dir;
    const std::string flash = ThreeGroups(dir);
    CodeGroupWindow window;
    ShowCounter counter;
    window.installEventFilter(&counter);

    const shx::ExtractResult outcome = Extract(window, flash);
    EXPECT_FALSE(outcome.errorReported()) << outcome.error->message;
    EXPECT_TRUE(outcome.LangpackFound);
    EXPECT_EQ(outcome.langpackPath, dir.path("phone{@0x11000000}CG4.smg"));

    QTableWidget* grid = window.findChild<QTableWidget*>("StringGrid1");
    ASSERT_EQ(grid, window.grid());
    ASSERT_EQ(grid->rowCount(), 3);  // with the header: four rows
    EXPECT_EQ(Cell(grid, 0, 0), "");
    EXPECT_EQ(Cell(grid, 0, 1).toStdString(), dir.path("phone{@0x03FC0000}RAMDLD.smg"));
    EXPECT_EQ(Cell(grid, 0, 2), "RAM Downloader");
    EXPECT_EQ(Cell(grid, 1, 0), "1");
    EXPECT_EQ(Cell(grid, 1, 3), "10000000");
    EXPECT_EQ(Cell(grid, 1, 4), "10000BB7");
    EXPECT_EQ(Cell(grid, 1, 5), "3000");
    EXPECT_EQ(Cell(grid, 2, 2), "LangPack");

    EXPECT_EQ(counter.shows, 1);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.statusText(), "Extracting done.");
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    auto* gauge = window.findChild<QProgressBar*>("Gauge1");
    EXPECT_EQ(gauge->value(), gauge->maximum());

    // A second extraction starts from the one empty row again.
    Extract(window, flash);
    EXPECT_EQ(grid->rowCount(), 3);
}

TEST(CodeGroupWindow, NotAFlashFileLeavesTheWindowHidden) {
    App();
    TempFolder dir;
    const std::string path = dir.path("not.shx");
    WriteBytes(path, PatternBytes(9000, 1));
    CodeGroupWindow window;
    ShowCounter counter;
    window.installEventFilter(&counter);

    const shx::ExtractResult outcome = Extract(window, path);
    EXPECT_FALSE(outcome.headerAccepted);
    EXPECT_TRUE(outcome.errorReported());
    EXPECT_EQ(outcome.errorText, "Corrupt file header!");
    EXPECT_FALSE(outcome.LangpackFound);
    EXPECT_EQ(counter.shows, 0);
    EXPECT_EQ(window.grid()->rowCount(), 1);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(CodeGroupWindow, DoubleClickAndButtonOpenTheSelectedFile) {
    App();
    TempFolder dir;
    const std::string flash = ThreeGroups(dir);
    CodeGroupWindow window;
    Extract(window, flash);
    QSignalSpy spy(&window, &CodeGroupWindow::openRequested);
    QTableWidget* grid = window.grid();

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QRect langpackCell = grid->visualRect(grid->model()->index(2, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, langpackCell.center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, langpackCell.center());
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toString().toStdString(), dir.path("phone{@0x11000000}CG4.smg"));
    EXPECT_FALSE(window.isVisible());

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    grid->selectRow(1);
    QTest::mouseClick(window.findChild<QPushButton*>("sBitBtn1"), Qt::LeftButton);
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(1).at(0).toString().toStdString(), dir.path("phone{@0x10000000}CG1.smg"));
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace glyphora
