// set-height FILE --set N --height H: changes a set's height for all its
// glyphs (rows added at the bottom are empty, rows beyond H are dropped), then saves.
#include "Commands.h"
#include "LangpackEdit.h"
#include "ToolSupport.h"

namespace glyphora::tool {

int runSetHeight(const Words& args) {
    std::string file;
    int setNumber = 0;
    int height = 0;
    const auto parsed = ParseFileArguments(args, {{"set", "N"}, {"height", "H"}}, file);
    if (!parsed || !IntegerOption(*parsed, "set", 1, kMaxSets, setNumber) ||
        !IntegerOption(*parsed, "height", 1, kMaxHeight, height)) {
        return kExitUsage;
    }
    std::optional<LangpackDocument> doc;
    if (const int status = OpenSetForEdit(file, setNumber, doc); status != kExitOk) {
        return status;
    }
    const int setIndex = setNumber - 1;
    SetSetHeight(doc->langpack(), setIndex, static_cast<uint16_t>(height));
    return SaveLangpack(*doc);
}

}  // namespace glyphora::tool
