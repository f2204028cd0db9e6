// set-height FILE --set N --height H: changes a set's height for all its
// glyphs (rows added at the bottom are empty, rows beyond H are dropped), then saves.
#include "Commands.h"
#include "LangpackEdit.h"
#include "ToolSupport.h"

namespace glyphora::tool {

namespace {

constexpr int kMaxHeight = 255;

void ChangeHeight(TLangpack& lp, int setIndex, int height) {
    TFontSetEntry& set = lp.FontSetTable[static_cast<std::size_t>(setIndex)];
    const int oldHeight = set.Height;
    set.Height = static_cast<uint16_t>(height);
    ResizeSets(lp, setIndex, oldHeight);
}

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
    ChangeHeight(doc.lp, setIndex, height);
    // Sets 3 and (when shared) 7 are saved from set 2's glyphs; a record of
    // theirs with the old height would read those glyphs with the wrong rows.
    if (setIndex == 1) {
        if (doc.lp.SetCount() >= 3) {
            ChangeHeight(doc.lp, 2, height);
        }
        if (doc.lp.Set7SharesSet2) {
            ChangeHeight(doc.lp, 6, height);
        }
    }
    return SaveLangpack(doc);
}

}  // namespace glyphora::tool
