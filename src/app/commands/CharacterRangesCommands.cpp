#include "CharacterRangesCommands.h"

#include <CharacterRangesDialog.h>
#include <FontPage.h>

#include <QAction>

namespace glyphora {

SharedWindow<CharacterRangesDialog> BindCharacterRangesCommands(const CommandContext& c, FontPage* fontPage) {
    auto lazy = MakeLazyWindow<CharacterRangesDialog>([c, fontPage] {
        // The feature lives as long as the dialog that drives it.
        auto* feature = new CharacterRangesFeature(c.session);
        auto* dialog = new CharacterRangesDialog(
            *feature, [c](const std::function<void()>& change) { RunCommand(c, change); },
            [fontPage] {
                std::vector<int> glyphs;
                const GridRowRange rows = fontPage->chosenGlyphRows();
                for (int row = rows.top; row >= 0 && row <= rows.bottom; ++row) glyphs.push_back(row);
                return glyphs;
            },
            c.window);
        QObject::connect(dialog, &QObject::destroyed, [feature] { delete feature; });
        return dialog;
    });
    Bind(c, Command::CharacterRanges, [lazy] {
        CharacterRangesDialog* dialog = lazy->get();
        dialog->showRanges();
        dialog->show();
        dialog->raise();
        dialog->activateWindow();
    });
    return lazy;
}

}  // namespace glyphora
