// set-height FILE --set N --height H: changes a set's height for all its
// glyphs (rows added at the bottom are empty, rows beyond H are dropped), then saves.
#include "Commands.h"
#include "LangpackEdit.h"
#include "ToolSupport.h"

namespace glyphora::tool {

namespace {

constexpr int kMaxHeight = 255;

}  // namespace

int runSetHeight(const QStringList& args) {
    QCommandLineParser parser;
    parser.addOptions({
        {QStringLiteral("set"), QStringLiteral("Set number, from 1."), QStringLiteral("N")},
        {QStringLiteral("height"), QStringLiteral("New height in pixels."), QStringLiteral("H")},
    });
    QString file;
    int setNumber = 0;
    int height = 0;
    if (!ParseFileArguments(parser, args, file) ||
        !IntegerOption(parser, QStringLiteral("set"), 1, kMaxSets, setNumber) ||
        !IntegerOption(parser, QStringLiteral("height"), 1, kMaxHeight, height)) {
        return kExitUsage;
    }
    LangpackDocument doc;
    if (const int status = OpenSetForEdit(file, setNumber, doc); status != kExitOk) {
        return status;
    }
    const int setIndex = setNumber - 1;
    SetSetHeight(doc.lp, setIndex, static_cast<uint16_t>(height));
    return SaveLangpack(doc);
}

}  // namespace glyphora::tool
