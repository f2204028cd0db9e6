// export-bmp FILE --set N --index I --out FILE.bmp: writes one glyph, as it is
// stored, as the BMP the editor's "Export in bitmap" writes (1 bit per pixel,
// index 0 black, the width raised to whole bytes).
#include "Commands.h"
#include "ToolSupport.h"

#include <GlyphExchange.h>
#include <GlyphRows.h>

#include <optional>

namespace glyphora::tool {

int runExportBmp(const Words& args) {
    std::string file;
    std::string out;
    int setNumber = 0;
    int index = 0;
    const auto parsed = ParseFileArguments(args, {{"set", "N"}, {"index", "I"}, {"out", "FILE.bmp"}}, file);
    if (!parsed || !IntegerOption(*parsed, "set", 1, kMaxSets, setNumber) ||
        !IntegerOption(*parsed, "index", 0, kMaxSymbols - 1, index) || !RequiredOption(*parsed, "out", out)) {
        return kExitUsage;
    }

    std::optional<LangpackDocument> doc;
    if (const int status = OpenSetForExport(file, setNumber, out, doc); status != kExitOk) return status;
    const Symbols* glyph = GlyphOfSet(*doc, setNumber, index);
    if (!glyph) return kExitError;
    const int height = doc->langpack().FontSetTable[static_cast<std::size_t>(setNumber - 1)].Height;
    if (!GlyphHasPixels(*doc, setNumber, index, "there is nothing to export")) return kExitError;
    if (const Status written = WriteGlyphBmp(out, GlyphRowsToImage(glyph->Data, glyph->Width, height)); !written)
        return Report(written.error());
    return kExitOk;
}

}  // namespace glyphora::tool
