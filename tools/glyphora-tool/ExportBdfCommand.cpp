// export-bdf FILE --set N --out F.bdf [--descent D]: writes a set as a BDF
// font, the bottom D rows of its cells below the baseline (default 0).
#include "Commands.h"
#include "ToolSupport.h"

#include <BdfWriter.h>
#include <SetBdf.h>

namespace glyphora::tool {

int runExportBdf(const Words& args) {
    std::string file;
    int setNumber = 0;
    const auto parsed = ParseFileArguments(args, {{"set", "N"}, {"out", "F.bdf"}, {"descent", "D"}}, file);
    if (!parsed || !IntegerOption(*parsed, "set", 1, kMaxSets, setNumber)) return kExitUsage;
    std::string out;
    if (!RequiredOption(*parsed, "out", out)) return kExitUsage;
    std::optional<LangpackDocument> doc;
    if (const int status = OpenSetForExport(file, setNumber, out, doc); status != kExitOk) return status;
    const TLangpack& lp = doc->langpack();
    const int height = lp.FontSetTable[static_cast<std::size_t>(setNumber - 1)].Height;
    int descent = 0;
    if (parsed->isSet("descent") && !IntegerOption(*parsed, "descent", 0, height, descent)) return kExitUsage;

    // A copy of set 2 is written as the glyphs it shows, which are set 2's.
    const std::string text = WriteBdf(SetToBdf(lp, setNumber - 1, BdfFontName(file, setNumber), descent));
    return WriteOutputFile(out, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

}  // namespace glyphora::tool
