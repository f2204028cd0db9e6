// trim FILE --set N --from I --to J: the glyphs I to J of set N trimmed to
// their ink plus one blank column by "Optimize the chosen symbols on width",
// then saved.
#include "Commands.h"
#include "GlyphRangeArguments.h"
#include "ToolSession.h"
#include "ToolSupport.h"

#include <GlyphGeneration.h>

#include <cstdio>

namespace glyphora::tool {

int runTrim(const Words& args) {
    std::string file;
    SetRange range;
    const auto parsed = ParseFileArguments(args, {{"set", "N"}, {"from", "I"}, {"to", "J"}}, file);
    if (!parsed || !ReadSetRange(*parsed, range)) return kExitUsage;

    std::optional<LangpackDocument> doc;
    if (const int status = OpenRangeForEdit(file, range, doc); status != kExitOk) return status;
    ToolSession tool;
    if (const int status = tool.open(file, range.setNumber); status != kExitOk) return status;
    const BatchResult result =
        GlyphGeneration(tool.session()).OptimizeChosenSymbols(range.glyphs.from, range.glyphs.to);
    if (const int status = tool.save(); status != kExitOk) return status;
    std::printf("%d of %d glyphs changed\n", result.changed, result.total);
    return kExitOk;
}

}  // namespace glyphora::tool
