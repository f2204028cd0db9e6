// resave FILE: read and write back with no edit, the plain round trip.
#include "Commands.h"
#include "ToolSupport.h"

namespace glyphora::tool {

int runResave(const QStringList& args) {
    QCommandLineParser parser;
    QString file;
    if (!ParseFileArguments(parser, args, file)) {
        return kExitUsage;
    }
    LangpackDocument doc;
    if (const int status = OpenLangpack(file, doc); status != kExitOk) {
        return status;
    }
    return SaveLangpack(doc);
}

}  // namespace glyphora::tool
