#include "QtApp.h"
#include "SetSizeDialog.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace glyphora {
namespace {

class SetSizeDialogTest : public testing::Test {
protected:
    static void SetUpTestSuite() { test::ensureApplication(); }

    SetSizeDialog dialog;
    QLineEdit* edit(const char* name) { return dialog.findChild<QLineEdit*>(name); }
    QString result() { return dialog.findChild<QLabel*>("Label4")->text(); }
    bool setEnabled() { return dialog.findChild<QPushButton*>("BitBtn1")->isEnabled(); }

    void open(SetSizeDialog::Mode mode) {
        dialog.prepare(mode, 7, 12);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }
    void type(const char* field, const char* text) {
        edit(field)->clear();
        QTest::keyClicks(edit(field), text);
    }
};

TEST_F(SetSizeDialogTest, NamesItsControls) {
    EXPECT_EQ(dialog.objectName(), "TForm5");
    EXPECT_EQ(dialog.windowTitle(), "Set size image");
    EXPECT_EQ(dialog.findChild<QLabel*>("Label1")->text(), "Width:");
    EXPECT_EQ(dialog.findChild<QLabel*>("Label2")->text(), "Height:");
    EXPECT_EQ(dialog.findChild<QLabel*>("Label3")->text(), "x");
    EXPECT_EQ(dialog.findChild<QPushButton*>("BitBtn1")->text(), "Set size");
    EXPECT_EQ(dialog.findChild<QPushButton*>("BitBtn2")->text(), "Cancel");
}

TEST_F(SetSizeDialogTest, WidthIsLimitedAsTyped) {
    open(SetSizeDialog::Mode::Width);
    EXPECT_EQ(result(), "7x12");
    EXPECT_EQ(edit("Edit1")->text(), "7");
    EXPECT_FALSE(edit("Edit2")->isEnabled());
    struct Case {
        const char* typed;
        const char* shown;
    };
    for (const Case c : {Case{"20", "15x12"}, Case{"0", "1x12"}, Case{"9", "9x12"}}) {
        type("Edit1", c.typed);
        EXPECT_EQ(result(), c.shown) << c.typed;
        EXPECT_TRUE(setEnabled());
    }
    type("Edit1", "20");
    QTest::keyClick(edit("Edit1"), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.choice().mode, SetSizeDialog::Mode::Width);
    EXPECT_EQ(dialog.choice().value, 15);
    EXPECT_EQ(edit("Edit1")->text(), "20");
}

TEST_F(SetSizeDialogTest, EnterAppliesTheLastValidWidthWhileSetSizeIsDisabled) {
    open(SetSizeDialog::Mode::Width);
    type("Edit1", "11");
    type("Edit1", "");
    EXPECT_EQ(result(), "Incorrect numberx12");
    EXPECT_FALSE(setEnabled());
    type("Edit1", "z1");
    EXPECT_EQ(result(), "Incorrect numberx12");
    QTest::keyClick(edit("Edit1"), Qt::Key_Enter);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.choice().value, 11);
}

TEST_F(SetSizeDialogTest, HeightIsLimitedAndCancelChangesNothing) {
    open(SetSizeDialog::Mode::Height);
    EXPECT_FALSE(edit("Edit1")->isEnabled());
    type("Edit2", "300");
    EXPECT_EQ(result(), "7x255");
    type("Edit2", "-5");
    EXPECT_EQ(result(), "7x1");
    type("Edit2", "abc");
    EXPECT_EQ(result(), "7xIncorrect number");
    EXPECT_FALSE(setEnabled());
    type("Edit2", "14");
    QTest::mouseClick(dialog.findChild<QPushButton*>("BitBtn2"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);

    open(SetSizeDialog::Mode::Height);
    type("Edit2", "14");
    QTest::mouseClick(dialog.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.choice().mode, SetSizeDialog::Mode::Height);
    EXPECT_EQ(dialog.choice().value, 14);
}

}  // namespace
}  // namespace glyphora
