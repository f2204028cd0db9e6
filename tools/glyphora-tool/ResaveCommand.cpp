// resave FILE: read and write back with no edit, the plain round trip.
#include "Commands.h"
#include "ToolSupport.h"

namespace glyphora::tool {

int runResave(const Words& args) {
    std::optional<LangpackDocument> doc;
    if (const int status = OpenFileArgument(args, doc); status != kExitOk) {
        return status;
    }
    return SaveLangpack(*doc);
}

}  // namespace glyphora::tool
