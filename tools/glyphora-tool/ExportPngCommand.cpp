// export-png FILE --set N --out F.png [--scale S]: a picture of a set's glyphs
// in rows of 16 with a light grid, each glyph pixel S pixels wide (default 4).
#include "Commands.h"
#include "ToolSupport.h"

#include <PngWriter.h>
#include <SetSheet.h>

namespace glyphora::tool {

int runExportPng(const Words& args) {
    std::string file;
    int setNumber = 0;
    int scale = kDefaultSheetScale;
    const auto parsed = ParseFileArguments(args, {{"set", "N"}, {"out", "F.png"}, {"scale", "S"}}, file);
    if (!parsed || !IntegerOption(*parsed, "set", 1, kMaxSets, setNumber) ||
        (parsed->isSet("scale") && !IntegerOption(*parsed, "scale", 1, kMaxSheetScale, scale))) {
        return kExitUsage;
    }
    std::string out;
    if (!RequiredOption(*parsed, "out", out)) return kExitUsage;
    std::optional<LangpackDocument> doc;
    if (const int status = OpenSetForExport(file, setNumber, out, doc); status != kExitOk) return status;
    const Result<SheetImage> sheet = MakeSetSheet(doc->langpack(), setNumber - 1, scale);
    if (!sheet) {
        PrintFileError(doc->path(), sheet.error().message);
        return kExitError;
    }
    return WriteOutputFile(out, WriteGrayPng(sheet->width, sheet->height, sheet->gray));
}

}  // namespace glyphora::tool
