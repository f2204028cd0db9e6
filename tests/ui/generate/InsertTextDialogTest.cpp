#include "InsertTextDialog.h"
#include "QtApp.h"

#include <gtest/gtest.h>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

namespace glyphora {
namespace {

class InsertTextDialogTest : public testing::Test {
protected:
    static void SetUpTestSuite() { test::ensureApplication(); }

    InsertTextDialogTest() {
        dialog.setWarn([this](const QString& text) { warnings << text; });
        dialog.setFontChooser([this](const QFont& current, QWidget*) {
            offered << current;
            return nextFont;
        });
    }

    void open() {
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }
    QLineEdit* edit() { return dialog.findChild<QLineEdit*>("Edit1"); }
    // Typed key by key, as a keyboard layout of that script sends it.
    void type(const QString& text) {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, edit(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    QPushButton* button(const char* name) { return dialog.findChild<QPushButton*>(name); }

    InsertTextDialog dialog;
    QSignalSpy inserted{&dialog, &InsertTextDialog::insertRequested};
    QStringList warnings;
    QList<QFont> offered;
    std::optional<QFont> nextFont;
};

TEST_F(InsertTextDialogTest, NamesItsControls) {
    EXPECT_EQ(dialog.objectName(), "TForm2");
    EXPECT_EQ(dialog.windowTitle(), "Insert text");
    EXPECT_EQ(dialog.findChild<QLabel*>("Label1")->text(), "Text for insert");
    EXPECT_NE(edit(), nullptr);
    EXPECT_EQ(button("BitBtn1")->text(), "Insert text");
    EXPECT_EQ(button("BitBtn2")->text(), "Select font");
    EXPECT_EQ(dialog.textFont().pixelSize(), 11);
    EXPECT_EQ(dialog.textFont().styleHint(), QFont::SansSerif);

    open();
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE((dialog.frameGeometry().center() - centre).manhattanLength(), 40);

    dialog.setTexts("Вставить текст", "Вставить текст", "Выбрать шрифт", "Текст для вставки");
    EXPECT_EQ(dialog.windowTitle(), "Вставить текст");
    EXPECT_EQ(button("BitBtn1")->text(), "Вставить текст");
    EXPECT_EQ(button("BitBtn2")->text(), "Выбрать шрифт");
    EXPECT_EQ(dialog.findChild<QLabel*>("Label1")->text(), "Текст для вставки");
}

TEST_F(InsertTextDialogTest, AnEmptyTextIsOnlyWarnedAbout) {
    open();
    QTest::mouseClick(button("BitBtn1"), Qt::LeftButton);
    QTest::keyClick(edit(), Qt::Key_Return);
    EXPECT_EQ(warnings, QStringList({"Enter the text.", "Enter the text."}));
    EXPECT_EQ(inserted.count(), 0);
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(InsertTextDialogTest, EnterInsertsOnceAndCloses) {
    open();
    type("Привет");
    QTest::keyClick(edit(), Qt::Key_Return);
    ASSERT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted[0][0].toString(), "Привет");
    EXPECT_EQ(inserted[0][1].value<QFont>(), dialog.textFont());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(warnings.isEmpty());
}

TEST_F(InsertTextDialogTest, KeepsTheTextAndTheFontBetweenUses) {
    open();
    const QFont initial = dialog.textFont();
    QFont serif(QStringLiteral("DejaVu Serif"));
    serif.setPixelSize(14);
    nextFont = serif;
    QTest::mouseClick(button("BitBtn2"), Qt::LeftButton);
    ASSERT_EQ(offered.size(), 1);
    EXPECT_EQ(offered[0], initial);
    EXPECT_EQ(dialog.textFont(), serif);
    nextFont.reset();  // cancelled
    QTest::mouseClick(button("BitBtn2"), Qt::LeftButton);
    EXPECT_EQ(dialog.textFont(), serif);

    type("Ab");
    QTest::mouseClick(button("BitBtn1"), Qt::LeftButton);
    ASSERT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted[0][1].value<QFont>(), serif);
    open();
    EXPECT_EQ(edit()->text(), "Ab");
    EXPECT_EQ(dialog.textFont(), serif);
    QTest::keyClick(edit(), Qt::Key_Return);
    EXPECT_EQ(inserted.count(), 2);
}

}  // namespace
}  // namespace glyphora
