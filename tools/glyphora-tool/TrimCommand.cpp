// trim FILE --set N --from I --to J: the glyphs I to J of set N trimmed to
// their ink plus one blank column, as "Optimize the chosen symbols on width"
// does, then saved.
#include "Commands.h"
#include "GlyphRangeArguments.h"
#include "ToolSupport.h"

#include <GlyphGeneration.h>
#include <LangpackEdit.h>

#include <cstdio>

namespace glyphora::tool {

int runTrim(const Words& args) {
    std::string file;
    SetRange range;
    const auto parsed = ParseFileArguments(args, {{"set", "N"}, {"from", "I"}, {"to", "J"}}, file);
    if (!parsed || !ReadSetRange(*parsed, range)) return kExitUsage;

    std::optional<LangpackDocument> doc;
    if (const int status = OpenRangeForEdit(file, range, doc); status != kExitOk) return status;
    const int setIndex = range.setNumber - 1;
    TLangpack& lp = doc->langpack();
    const BatchResult result =
        OptimizeWidths(lp.glyphs(setIndex), range.glyphs, lp.FontSetTable[static_cast<std::size_t>(setIndex)].Height,
                       [&](int glyph, uint8_t width, const std::vector<uint8_t>& rows) {
                           StoreGlyph(lp, setIndex, glyph, width, rows);
                       });
    // Nothing changed: the file is not touched.
    if (result.changed > 0)
        if (const int status = SaveLangpack(*doc); status != kExitOk) return status;
    std::printf("%d of %d glyphs changed\n", result.changed, result.total);
    return kExitOk;
}

}  // namespace glyphora::tool
