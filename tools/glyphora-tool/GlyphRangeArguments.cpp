#include "GlyphRangeArguments.h"

#include <cstdio>

namespace glyphora::tool {

bool ReadSetRange(const ParsedArguments& parsed, SetRange& range) {
    if (!IntegerOption(parsed, "set", 1, kMaxSets, range.setNumber) ||
        !IntegerOption(parsed, "from", 0, kMaxSymbols - 1, range.glyphs.from) ||
        !IntegerOption(parsed, "to", 0, kMaxSymbols - 1, range.glyphs.to))
        return false;
    if (range.glyphs.to < range.glyphs.from) {
        std::fprintf(stderr, "glyphora-tool: --to %d lies before --from %d\n", range.glyphs.to, range.glyphs.from);
        return false;
    }
    return true;
}

int OpenRangeForEdit(const std::string& file, const SetRange& range, std::optional<LangpackDocument>& doc) {
    if (const int status = OpenSetForEdit(file, range.setNumber, doc); status != kExitOk) return status;
    return GlyphOfSet(*doc, range.setNumber, range.glyphs.to) ? kExitOk : kExitError;
}

}  // namespace glyphora::tool
