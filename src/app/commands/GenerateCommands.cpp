#include "GenerateCommands.h"

#include <FontPage.h>
#include <GlyphGeneration.h>

#include <memory>

namespace glyphora {

void BindGenerateCommands(const CommandContext& c, FontPage* fontPage) {
    // The RenderFont lives as long as the commands do: for the run.
    auto generation = std::make_shared<GlyphGeneration>(c.session);
    Bind(c, Command::SelectFont, [generation] { generation->SelectWindowsFont(); });
    Bind(c, Command::SelectFontFile, [generation] { generation->SelectFontFile(); });
    Bind(c, Command::ReplaceSymbols, [generation, fontPage] {
        const GridRowRange rows = fontPage->chosenGlyphRows();
        generation->ReplaceChosenSymbols(rows.top, rows.bottom);
    });
    Bind(c, Command::OptimizeWidths, [generation, fontPage] {
        const GridRowRange rows = fontPage->chosenGlyphRows();
        generation->OptimizeChosenSymbols(rows.top, rows.bottom);
    });
}

}  // namespace glyphora
