// set-glyph FILE --set N --index I --width W --data HEX: replaces one glyph's
// width and rows, then saves.
#include "Commands.h"
#include "GlyphCoding.h"
#include "HexText.h"
#include "LangpackEdit.h"
#include "ToolSupport.h"

#include <cstdio>
#include <optional>

namespace glyphora::tool {

int runSetGlyph(const QStringList& args) {
    QCommandLineParser parser;
    parser.addOptions({
        {QStringLiteral("set"), QStringLiteral("Set number, from 1."), QStringLiteral("N")},
        {QStringLiteral("index"), QStringLiteral("Glyph index in the set, from 0."), QStringLiteral("I")},
        {QStringLiteral("width"), QStringLiteral("New width in pixels."), QStringLiteral("W")},
        {QStringLiteral("data"), QStringLiteral("Rows in file form, hex."), QStringLiteral("HEX")},
    });
    QString file;
    int setNumber = 0;
    int index = 0;
    int width = 0;
    if (!ParseFileArguments(parser, args, file) ||
        !IntegerOption(parser, QStringLiteral("set"), 1, kMaxSets, setNumber) ||
        !IntegerOption(parser, QStringLiteral("index"), 0, kMaxSymbols - 1, index) ||
        !IntegerOption(parser, QStringLiteral("width"), 0, kMaxGlyphWidth, width)) {
        return kExitUsage;
    }
    if (!parser.isSet(QStringLiteral("data"))) {
        std::fprintf(stderr, "glyphora-tool: --data is missing\n");
        return kExitUsage;
    }
    const std::optional<std::vector<uint8_t>> rows =
        HexToBytes(parser.value(QStringLiteral("data")).toStdString());
    if (!rows) {
        std::fprintf(stderr, "glyphora-tool: --data must be pairs of hex digits\n");
        return kExitUsage;
    }

    LangpackDocument doc;
    if (const int status = OpenSetForEdit(file, setNumber, doc); status != kExitOk) {
        return status;
    }
    const int setIndex = setNumber - 1;
    const std::vector<Symbols>& glyphs = doc.lp.SymbolTable[static_cast<std::size_t>(setIndex)];
    if (static_cast<std::size_t>(index) >= glyphs.size()) {
        PrintFileError(doc.path, "set " + std::to_string(setNumber) + " has no glyph " +
                                     std::to_string(index) + "; its glyphs are 0 to " +
                                     std::to_string(static_cast<long>(glyphs.size()) - 1));
        return kExitError;
    }
    const int height = doc.lp.FontSetTable[static_cast<std::size_t>(setIndex)].Height;
    const std::size_t needed = GlyphDataSize(width, height);
    if (rows->size() != needed) {
        PrintFileError(doc.path, "--data has " + std::to_string(rows->size()) +
                                     " bytes; a glyph " + std::to_string(width) +
                                     " pixels wide in set " + std::to_string(setNumber) +
                                     " (height " + std::to_string(height) + ") needs " +
                                     std::to_string(needed));
        return kExitError;
    }
    StoreGlyph(doc.lp, setIndex, index, static_cast<uint8_t>(width), InvertRows(*rows));
    return SaveLangpack(doc);
}

}  // namespace glyphora::tool
