// import-bdf FILE --set N --in F.bdf [--shift K] [--add-missing]: gives every
// glyph of the set whose code the font has that glyph's pixels and width, the
// font moved up by K rows (default: the rows it is taller than the set), then
// saves. --add-missing first adds every character of the font the set lacks;
// when they do not fit (glyphs, intervals, the room of the fonts area) nothing
// is changed and the count is said. Glyphs cut to 15 columns, widened from
// DWIDTH 0 to 1 column, or taken as the first of several with one ENCODING
// are listed on stderr.
#include "Commands.h"
#include "ToolSession.h"
#include "ToolSupport.h"

#include <BdfReader.h>
#include <SetBdf.h>
#include <SetExchange.h>

#include <algorithm>
#include <cstdio>

namespace glyphora::tool {

namespace {

// What the import cut or chose, on stderr, as render names the ink it lost.
void PrintNotes(const std::string& file, const BdfImportPlan& plan) {
    for (const std::string& note : BdfImportNotes(plan)) PrintFileError(file, note);
}

}  // namespace

int runImportBdf(const Words& args) {
    std::string file;
    int setNumber = 0;
    const auto parsed =
        ParseFileArguments(args, {{"set", "N"}, {"in", "F.bdf"}, {"shift", "K"}, {"add-missing", ""}}, file);
    if (!parsed || !IntegerOption(*parsed, "set", 1, kMaxSets, setNumber)) return kExitUsage;
    std::string in;
    if (!RequiredOption(*parsed, "in", in)) return kExitUsage;
    std::optional<LangpackDocument> doc;
    if (const int status = OpenSetForEdit(file, setNumber, doc); status != kExitOk) return status;
    const Result<BdfFont> font = ReadBdfFile(in);
    if (!font) return Report(font.error());

    const int setIndex = setNumber - 1;
    const int height = doc->langpack().FontSetTable[static_cast<std::size_t>(setIndex)].Height;
    // Beyond these shifts the cell lies wholly above or below the font's line.
    const int lowest = -height;
    const int highest = std::max(0, BdfAscent(*font) + BdfDescent(*font));
    std::optional<int> shift;
    if (parsed->isSet("shift")) {
        int k = 0;
        if (!IntegerOption(*parsed, "shift", lowest, highest, k)) return kExitUsage;
        shift = k;
    }

    const bool addMissing = parsed->isSet("add-missing");
    ToolSession tool;
    if (const int status = tool.open(file, setNumber); status != kExitOk) return status;
    const Result<SetExchange::BdfImported> done = SetExchange(tool.session()).ImportBdf(*font, shift, addMissing);
    if (!done) {
        PrintFileError(file, done.error().message);
        return kExitError;
    }
    const BdfImportPlan& plan = done->plan;
    if (plan.Replaced > 0)
        if (const int status = tool.save(); status != kExitOk) return status;
    PrintNotes(file, plan);
    if (addMissing)
        std::printf("replaced %d, added %d, lacked %d, shift %d\n", plan.Replaced - done->added, done->added,
                    plan.Lacked, plan.Shift);
    else
        std::printf("replaced %d, lacked %d, shift %d\n", plan.Replaced, plan.Lacked, plan.Shift);
    return kExitOk;
}

}  // namespace glyphora::tool
