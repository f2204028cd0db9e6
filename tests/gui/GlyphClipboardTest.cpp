// Glyphs copied in one main window and pasted in another through the one
// system clipboard, as between two running editors; a clipboard without
// glyphs is told, not pasted.
#include "GuiFixture.h"

#include <GlyphClip.h>
#include <LocalPath.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QItemSelectionModel>
#include <QMimeData>

namespace glyphora::testing {
namespace {

using fixtures::RepaintedTypicalLangpack;
using fixtures::TypicalLangpack;

class GlyphClipboardTest : public GuiFixture {};

TEST_F(GlyphClipboardTest, GlyphsCopiedInOneWindowPasteInAnother) {
    QTemporaryDir otherDir;
    auto otherBoxes = std::make_shared<ScriptedPrompts>();
    AppEnvironment env;
    env.programDir = otherDir.path() + QLatin1Char('/');
    env.settingsPath = otherDir.filePath(QStringLiteral("Glyphora.ini"));
    env.preferencesPath = otherDir.filePath(QStringLiteral("Preferences.ini"));
    env.prompts = otherBoxes;
    MainWindow source(env);
    otherBoxes->openFiles.push_back(ToLocalPath(writeLangpack("other.smg", RepaintedTypicalLangpack())));
    source.action(Command::OpenFile)->trigger();
    ASSERT_TRUE(source.session().ChooseSet(1));
    QTableView* grid = source.fontPage()->glyphGrid();
    grid->selectionModel()->select(QItemSelection(grid->model()->index(95, 0), grid->model()->index(100, 3)),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    source.action(Command::CopyGlyphs)->trigger();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data && data->hasFormat(QString::fromLatin1(kGlyphClipMimeType)));
    EXPECT_FALSE(qvariant_cast<QImage>(data->imageData()).isNull());

    open(writeLangpack("lang.smg", TypicalLangpack()));
    chooseSet(1);
    chooseGlyph(95);
    window().action(Command::PasteGlyphs)->trigger();
    EXPECT_TRUE(texts().isEmpty()) << texts().join('\n').toStdString();
    const TLangpack& from = *source.session().langpack();
    for (int g = 95; g <= 100; ++g) {
        EXPECT_EQ(lp().glyphs(1)[g].Width, from.glyphs(1)[g].Width) << g;
        EXPECT_EQ(lp().glyphs(1)[g].Data, from.glyphs(1)[g].Data) << g;
    }
    EXPECT_NE(lp().glyphs(1)[101].Data, from.glyphs(1)[101].Data);

    QGuiApplication::clipboard()->setText(QStringLiteral("glyphora-glyphs 1\nheight 2\n"));
    source.action(Command::PasteGlyphs)->trigger();
    ASSERT_EQ(otherBoxes->texts().size(), 1u);
    EXPECT_NE(otherBoxes->texts()[0].find("holds no glyphs"), std::string::npos) << otherBoxes->texts()[0];
}

}  // namespace
}  // namespace glyphora::testing
