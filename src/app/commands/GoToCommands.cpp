#include "GoToCommands.h"

#include <GoToDialog.h>

#include <QWidget>

#include <CharacterCode.h>
#include <CharacterSearch.h>

namespace glyphora {

namespace {

// What the dialog says while the user types: the character, and whether the
// current set has it.
QString Describe(const Session& s, const QString& typed) {
    if (typed.isEmpty()) return {};
    const Result<uint16_t> code = ParseCharacterCode(typed.toStdString());
    if (!code) return QString::fromStdString(code.error().message);
    QString name = QString::fromStdString(CharacterName(*code));
    const TLangpack* lp = s.langpack();
    const int set = s.CurrentSet();
    if (!lp || set < 0 || set >= lp->SetCount()) return name;
    const int glyph = FindGlyph(lp->glyphs(set), *code);
    return glyph < 0 ? QStringLiteral("%1 is not in the set %2").arg(name).arg(set + 1)
                     : QStringLiteral("%1: glyph %2 of the set %3").arg(name).arg(glyph).arg(set + 1);
}

}  // namespace

SharedWindow<GoToDialog> BindGoToCommands(const CommandContext& c, QWidget* glyphGrid) {
    Session& s = c.session;
    auto dialog = MakeLazyWindow<GoToDialog>([window = c.window, &s] {
        auto* built = new GoToDialog(window);
        built->setDescriber([&s](const QString& typed) { return Describe(s, typed); });
        return built;
    });
    Bind(c, Command::GoToCharacter, [&s, dialog, glyphGrid] {
        const std::optional<QString> typed = dialog->get()->ask();
        if (!typed) return;
        CharacterSearch(s).GoTo(typed->toStdString());
        // The keys go on from the glyph found: Shift+Down chooses a range at once.
        glyphGrid->setFocus();
    });
    return dialog;
}

}  // namespace glyphora
