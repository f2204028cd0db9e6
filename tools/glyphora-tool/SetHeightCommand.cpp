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
    if (const int status = OpenLangpack(file, doc); status != kExitOk) {
        return status;
    }
    if (!CheckSetNumber(doc, setNumber)) {
        return kExitError;
    }
    const int setIndex = setNumber - 1;
    if (RefuseSharedSet(doc, setIndex)) {
        return kExitError;
    }
    TFontSetEntry& set = doc.lp.FontSetTable[static_cast<std::size_t>(setIndex)];
    const int oldHeight = set.Height;
    set.Height = static_cast<uint16_t>(height);
    // The save makes the sets that show set 2's glyphs follow its new height.
    ResizeSets(doc.lp, setIndex, oldHeight);
    return SaveLangpack(doc);
}

}  // namespace glyphora::tool
