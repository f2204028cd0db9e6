#include "GenerateCommands.h"

#include <FontPage.h>
#include <GlyphGeneration.h>

#include <memory>

namespace glyphora {

void BindGenerateCommands(const CommandContext& c, FontPage* fontPage) {
    // The RenderFont lives as long as the commands do: for the run.
    auto generation = std::make_shared<GlyphGeneration>(c.session);
    Bind(c, c.actions.selectFont, [generation] { generation->SelectWindowsFont(); });
    Bind(c, c.actions.selectFontFile, [generation] { generation->SelectFontFile(); });
    Bind(c, c.actions.replaceSymbols, [generation, fontPage] {
        const GridRowRange rows = fontPage->chosenGlyphRows();
        generation->ReplaceChosenSymbols(rows.top, rows.bottom);
    });
    Bind(c, c.actions.optimizeWidths, [generation, fontPage] {
        const GridRowRange rows = fontPage->chosenGlyphRows();
        generation->OptimizeChosenSymbols(rows.top, rows.bottom);
    });
}

}  // namespace glyphora
