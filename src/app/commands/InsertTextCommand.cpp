#include "InsertTextCommand.h"

#include <FontConvert.h>

#include "ToolPalette.h"

#include <EditorBinding.h>
#include <GlyphExchange.h>
#include <InsertTextDialog.h>
#include <TextImage.h>

#include <QToolButton>

namespace glyphora {

void InsertText(Session& session, const QString& text, const QFont& font) {
    if (!PicturePlacement(session).GlyphTakesPicture()) return;
    const GlyphEditor& editor = session.editor();
    PicturePlacement(session).Place(RenderTextImage(text, font, editor.GlyphWidth(), editor.GlyphHeight()));
}

namespace {

InsertTextDialog* MakeInsertTextDialog(const CommandContext& c) {
    auto* dialog = new InsertTextDialog(c.window);
    // Its warning and its font dialog are the session's prompts, like every other.
    dialog->setWarn([&p = c.prompts](const QString& text) { p.warning(text.toStdString()); });
    dialog->setFontChooser([&p = c.prompts](const QFont& current, QWidget*) -> std::optional<QFont> {
        const std::optional<Prompts::Font> chosen = p.chooseFont(FromQFont(current));
        if (!chosen) return std::nullopt;
        return ToQFont(*chosen);
    });
    // Modal without a loop of its own: the press on the canvas that opens it
    // returns first, and the window waits for the dialog to close.
    dialog->setWindowModality(Qt::ApplicationModal);
    QObject::connect(dialog, &InsertTextDialog::insertRequested, dialog, [c](const QString& text, const QFont& font) {
        RunCommand(c, [&] { InsertText(c.session, text, font); });
    });
    return dialog;
}

}  // namespace

SharedWindow<InsertTextDialog> BindInsertTextCommand(const CommandContext& c, ToolPalette* palette,
                                                     EditorBinding& binding, const WindowMade<InsertTextDialog>& made) {
    auto dialog = MakeLazyWindow<InsertTextDialog>([c, made] {
        InsertTextDialog* built = MakeInsertTextDialog(c);
        if (made) made(built);
        return built;
    });
    Session& s = c.session;
    const auto open = [dialog, &s] {
        // Only while the canvas shows a glyph of an open langpack.
        if (!s.LangFileOpen() || !s.glyphShown()) return;
        InsertTextDialog* shown = dialog->get();
        shown->show();
        shown->raise();
        shown->activateWindow();
    };
    binding.onOpenTextDialog = open;
    // The palette's own handler has chosen the tool (dropping any selection) by now.
    QObject::connect(palette->button(Tool::Text), &QToolButton::clicked, palette, open);
    return dialog;
}

}  // namespace glyphora
