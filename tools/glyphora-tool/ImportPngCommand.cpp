// import-png FILE --set N --in F.png [--scale S]: the sheet export-png wrote,
// edited or not, gives the set's glyphs their rows again (widths stay); the
// grid is found from the picture, or from the scale given. A picture that is
// not the set's sheet is refused with what was expected and what was found,
// and a sheet that changes nothing leaves the file untouched.
#include "Commands.h"
#include "ToolSession.h"
#include "ToolSupport.h"

#include <SetSheet.h>
#include <SetSheetImporting.h>

#include <cstdio>

namespace glyphora::tool {

int runImportPng(const Words& args) {
    std::string file;
    int setNumber = 0;
    int scale = 0;
    const auto parsed = ParseFileArguments(args, {{"set", "N"}, {"in", "F.png"}, {"scale", "S"}}, file);
    if (!parsed || !IntegerOption(*parsed, "set", 1, kMaxSets, setNumber) ||
        (parsed->isSet("scale") && !IntegerOption(*parsed, "scale", 1, kMaxSheetScale, scale)))
        return kExitUsage;
    std::string in;
    if (!RequiredOption(*parsed, "in", in)) return kExitUsage;
    std::optional<LangpackDocument> doc;
    if (const int status = OpenSetForEdit(file, setNumber, doc); status != kExitOk) return status;

    ToolSession tool;
    if (const int status = tool.open(file, setNumber); status != kExitOk) return status;
    const Result<SetSheetImporting::SheetImported> done =
        SetSheetImporting(tool.session())
            .ImportPng(in, parsed->isSet("scale") ? std::optional<int>(scale) : std::nullopt);
    if (!done) return Report(done.error());
    if (done->changed > 0)
        if (const int status = tool.save(); status != kExitOk) return status;
    if (const std::string beyond = InkBeyondWidthText(done->inkBeyondWidth); !beyond.empty())
        PrintFileError(file, beyond);
    std::printf("changed %d, scale %d\n", done->changed, done->scale);
    return kExitOk;
}

}  // namespace glyphora::tool
