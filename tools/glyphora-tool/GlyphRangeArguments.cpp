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
    const std::size_t count = doc->langpack().SymbolTable[static_cast<std::size_t>(range.setNumber - 1)].size();
    if (static_cast<std::size_t>(range.glyphs.to) >= count) {
        PrintFileError(
            doc->path(),
            "set " + std::to_string(range.setNumber) + " has no glyph " + std::to_string(range.glyphs.to) +
                (count ? "; its glyphs are 0 to " + std::to_string(count - 1) : std::string("; it has no glyphs")));
        return kExitError;
    }
    return kExitOk;
}

}  // namespace glyphora::tool
