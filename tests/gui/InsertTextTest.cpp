// The text tool as the window wires it: the button and a canvas press open
// the "Insert text" dialog, and its text lands on the glyph as a floating
// selection cut to the glyph.
#include "GuiFixture.h"

#include <CanvasWidget.h>
#include <InsertTextDialog.h>
#include <TextImage.h>
#include <ToolPalette.h>

#include <QLineEdit>
#include <QTest>
#include <QToolButton>

namespace glyphora::testing {
namespace {

using fixtures::TypicalLangpack;

class InsertTextTest : public GuiFixture {
protected:
    InsertTextDialog* dialog() { return window().insertTextDialog(); }
    void clickTextTool() { QTest::mouseClick(window().toolPalette()->button(Tool::Text), Qt::LeftButton); }
    // Set 2's glyph 6: 10 x 12 pixels.
    void openWideGlyph() {
        open(writeLangpack("lang.smg", TypicalLangpack()));
        chooseSet(1);
        chooseGlyph(6);
        ASSERT_EQ(window().editor().GlyphWidth(), 10);
        ASSERT_EQ(window().editor().GlyphHeight(), 12);
    }
    // Enter in the text field runs "Insert text".
    void insert(const QString& text) {
        auto* edit = dialog()->findChild<QLineEdit*>("Edit1");
        edit->setText(text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
};

TEST_F(InsertTextTest, TheToolButtonAndACanvasPressOpenTheDialogOnlyWithALangpack) {
    ASSERT_NE(dialog(), nullptr);
    EXPECT_EQ(dialog()->objectName(), "TForm2");
    clickTextTool();
    EXPECT_FALSE(dialog()->isVisible());

    openWideGlyph();
    window().toolPalette()->press(Tool::Pencil);
    clickTextTool();
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_TRUE(dialog()->isModal());
    dialog()->reject();

    ASSERT_EQ(window().toolPalette()->currentTool(), Tool::Text);
    QTest::mousePress(window().fontPage()->canvas(), Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
    QTest::mouseRelease(window().fontPage()->canvas(), Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
    EXPECT_TRUE(dialog()->isVisible());
    dialog()->reject();
    EXPECT_FALSE(window().editor().ImageModified());
}

// A text smaller than the glyph gives a selection of its own extent; a larger
// one is cut to the glyph, never refused. Undo takes the text away again.
TEST_F(InsertTextTest, InsertFloatsTheTextCutToTheGlyphAndUndoTakesItAway) {
    openWideGlyph();
    GlyphEditor& e = window().editor();
    const MonoImage before = e.EditImage();
    QFont large = InsertTextDialog::DefaultFont();
    large.setPixelSize(20);
    struct Case {
        QString text;
        QFont font;
    } cases[] = {{".", InsertTextDialog::DefaultFont()}, {"Шрифт", large}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const MonoImage expected = RenderTextImage(c.text, c.font, 10, 12);
        ASSERT_FALSE(expected.isEmpty());
        dialog()->setTextFont(c.font);
        clickTextTool();
        ASSERT_TRUE(dialog()->isVisible());
        insert(c.text);
        EXPECT_FALSE(dialog()->isVisible());
        EXPECT_EQ(window().toolPalette()->currentTool(), Tool::Selection);
        EXPECT_TRUE(e.SelectionActive());
        EXPECT_TRUE(window().action(Command::SaveImage)->isEnabled());
        EXPECT_EQ(window().statusText(2), QStringLiteral("Select: %1x%2").arg(expected.width()).arg(expected.height()));

        e.FalseGoBegin();
        EXPECT_EQ(e.EditImage().copy(0, 0, expected.width(), expected.height()), expected);
        window().action(Command::Undo)->trigger();
        EXPECT_EQ(e.EditImage(), before);
    }
    EXPECT_LT(RenderTextImage(".", InsertTextDialog::DefaultFont(), 10, 12).width(), 10);
    EXPECT_EQ(RenderTextImage("Шрифт", large, 10, 12).width(), 10);
}

TEST_F(InsertTextTest, AGlyphWithoutWidthGetsAMessageAndNoSelection) {
    fixtures::LangpackSpec spec = TypicalLangpack();
    spec.Sets[0].Glyphs[0] = fixtures::GlyphSpec{0, std::vector<uint8_t>(8, 0)};
    open(writeLangpack("lang.smg", spec));
    ASSERT_EQ(window().editor().GlyphWidth(), 0);
    clickTextTool();
    insert("A");
    EXPECT_EQ(texts(),
              QStringList{"The current symbol is 0x8 pixels: there is no room for a picture. Give it a width first."});
    EXPECT_FALSE(window().editor().SelectionActive());
    EXPECT_FALSE(window().editor().ImageModified());
    EXPECT_TRUE(window().statusText(2).isEmpty());
}

}  // namespace
}  // namespace glyphora::testing
