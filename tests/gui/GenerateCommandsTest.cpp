// The Processing commands as the user runs them: a range chosen in the glyph
// grid with Shift+click or Shift+arrows, "Replace the chosen symbols" with the
// real renderer beside the program, the trim, and the progress dialog that
// comes after half a second and cancels.
#include "GuiFixture.h"

#include <BmpWriter.h>
#include <LongWorkProgress.h>

#include <QDir>
#include <QFile>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace glyphora::testing {
namespace {

constexpr int kA = 0x41 - 0x20;  // glyph index of 'A' in set 2

// Scripted answers, but the batch shows itself as the program shows it.
class ProgressPrompts : public ScriptedPrompts {
public:
    std::unique_ptr<LongWork> beginLongWork(const std::string& title) override {
        return std::make_unique<LongWorkProgress>(owner, QString::fromStdString(title));
    }
    QWidget* owner = nullptr;
};

class GenerateCommandsTest : public GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        auto prompts = std::make_shared<ProgressPrompts>();
        boxes_ = prompts;
        prompts->owner = &window();
        ASSERT_TRUE(QDir(path(QString())).mkpath(QStringLiteral("files")));
        open(writeLangpack(QStringLiteral("lang.smg"), fixtures::TypicalLangpack()));
        window().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
        chooseSet(1);
    }
    QTableView* grid() { return window().fontPage()->glyphGrid(); }
    void clickRow(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        grid()->scrollTo(grid()->model()->index(row, 1));
        const QRect cell = grid()->visualRect(grid()->model()->index(row, 1));
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, modifiers, cell.center());
    }
    QString widthCell(int row) { return grid()->model()->index(row, 3).data().toString(); }
    int width(int glyph) { return lp().SymbolTable[1][static_cast<std::size_t>(glyph)].Width; }
};

TEST_F(GenerateCommandsTest, ShiftClickedRangeIsReplacedThenTrimmed) {
    ASSERT_TRUE(QFile::link(QStringLiteral(RUNECAST), path(QStringLiteral("files/Runecast"))));
    clickRow(kA);
    clickRow(kA + 3, Qt::ShiftModifier);
    EXPECT_EQ(window().fontPage()->chosenGlyphRows().top, kA);
    EXPECT_EQ(window().fontPage()->chosenGlyphRows().bottom, kA + 3);
    EXPECT_EQ(session().CurrentSymbol(), kA + 3);

    Prompts::Font font;
    font.name = "DejaVu Sans";
    font.height = -12;
    font.measuredHeight = 14;
    boxes_->fonts = {font};
    window().action(Command::SelectFont)->trigger();
    EXPECT_EQ(texts(), QStringList{QStringLiteral("Height of the chosen font 14 pixels.")});
    boxes_->clear();

    const std::vector<Symbols> before = lp().SymbolTable[1];
    window().action(Command::ReplaceSymbols)->trigger();
    EXPECT_TRUE(texts().isEmpty()) << texts().join(QLatin1Char('\n')).toStdString();
    for (int g = kA; g <= kA + 3; ++g) {
        EXPECT_NE(lp().SymbolTable[1][static_cast<std::size_t>(g)].Data, before[static_cast<std::size_t>(g)].Data) << g;
        EXPECT_EQ(widthCell(g), QString::number(width(g))) << g;
    }
    EXPECT_EQ(lp().SymbolTable[1][kA + 4].Data, before[kA + 4].Data);
    EXPECT_EQ(window().editor().GlyphWidth(), width(kA + 3));
    EXPECT_TRUE(window().action(Command::SaveLangpack)->isEnabled());

    // The range survives the batch, so the trim takes the same glyphs.
    window().action(Command::OptimizeWidths)->trigger();
    EXPECT_EQ(window().fontPage()->chosenGlyphRows().top, kA);
    for (int g = kA; g <= kA + 3; ++g) EXPECT_EQ(widthCell(g), QString::number(width(g))) << g;
    EXPECT_EQ(window().editor().GlyphWidth(), width(kA + 3));
}

TEST_F(GenerateCommandsTest, ProgressDialogComesAfterHalfASecondAndCancels) {
    MonoImage ink(2, 3, Pixel::Ink);
    writeFile(QStringLiteral("good.bmp"), WriteMonoBmp(ink));
    // The renderer runs in a scratch folder of the batch: the picture by its whole path.
    writeText(QStringLiteral("files/Runecast"),
              "#!/bin/sh\nsleep 0.1\ncp '" + path(QStringLiteral("good.bmp")).toUtf8() + "' temp.bmp\n");
    QFile::setPermissions(path(QStringLiteral("files/Runecast")), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    clickRow(0);
    for (int i = 0; i < 19; ++i) QTest::keyClick(grid(), Qt::Key_Down, Qt::ShiftModifier);
    ASSERT_EQ(window().fontPage()->chosenGlyphRows().bottom, 19);

    bool dialogShown = false, dialogEnabled = false, windowEnabled = true, closed = true;
    QTimer::singleShot(900, &window(), [&] {
        auto* dialog = window().findChild<QProgressDialog*>(QStringLiteral("BatchProgress"));
        if (!dialog) return;
        dialogShown = dialog->isVisible();
        dialogEnabled = dialog->isEnabled();
        windowEnabled = window().isEnabled();
        // The close button of a busy window does nothing.
        closed = window().close();
        if (auto* cancel = dialog->findChild<QPushButton*>()) QTest::mouseClick(cancel, Qt::LeftButton);
    });
    window().action(Command::ReplaceSymbols)->trigger();

    EXPECT_TRUE(dialogShown);
    EXPECT_TRUE(dialogEnabled);
    EXPECT_FALSE(windowEnabled);
    EXPECT_FALSE(closed);
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(window().isEnabled());
    EXPECT_EQ(window().findChild<QProgressDialog*>(), nullptr);
    EXPECT_TRUE(texts().isEmpty());
    int replaced = 0;
    for (int g = 0; g < 20; ++g) replaced += width(g) == 2;
    EXPECT_GT(replaced, 0);
    EXPECT_LT(replaced, 20);
}

}  // namespace
}  // namespace glyphora::testing
