// set-height FILE --set N --height H: "Set height" of set N (rows added at the
// bottom are empty, rows beyond H are dropped), then saved.
#include "Commands.h"
#include "ToolSession.h"
#include "ToolSupport.h"

#include <GlyphSize.h>

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
    if (const int status = OpenSetForEdit(file, setNumber, doc); status != kExitOk) return status;
    ToolSession tool;
    if (const int status = tool.open(file, setNumber); status != kExitOk) return status;
    GlyphSize(tool.session()).SetHeight(height);
    return tool.save();
}

}  // namespace glyphora::tool
