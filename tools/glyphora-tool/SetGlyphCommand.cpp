// set-glyph FILE --set N --index I --width W --data HEX: replaces one glyph's
// width and rows, then saves.
#include "Commands.h"
#include "GlyphCoding.h"
#include "HexText.h"
#include "ToolSession.h"
#include "ToolSupport.h"

#include <cstdio>
#include <optional>

namespace glyphora::tool {

int runSetGlyph(const Words& args) {
    std::string file;
    int setNumber = 0;
    int index = 0;
    int width = 0;
    const auto parsed = ParseFileArguments(args, {{"set", "N"}, {"index", "I"}, {"width", "W"}, {"data", "HEX"}}, file);
    if (!parsed || !IntegerOption(*parsed, "set", 1, kMaxSets, setNumber) ||
        !IntegerOption(*parsed, "index", 0, kMaxSymbols - 1, index) ||
        !IntegerOption(*parsed, "width", 0, kMaxGlyphWidth, width)) {
        return kExitUsage;
    }
    if (!parsed->isSet("data")) {
        std::fprintf(stderr, "glyphora-tool: --data is missing\n");
        return kExitUsage;
    }
    const std::optional<std::vector<uint8_t>> rows = HexToBytes(parsed->value("data"));
    if (!rows) {
        std::fprintf(stderr, "glyphora-tool: --data must be pairs of hex digits\n");
        return kExitUsage;
    }

    std::optional<LangpackDocument> doc;
    if (const int status = OpenSetForEdit(file, setNumber, doc); status != kExitOk) {
        return status;
    }
    const int setIndex = setNumber - 1;
    if (!GlyphOfSet(*doc, setNumber, index)) return kExitError;
    const int height = doc->langpack().FontSetTable[static_cast<std::size_t>(setIndex)].Height;
    const std::size_t needed = GlyphDataSize(width, height);
    if (rows->size() != needed) {
        PrintFileError(doc->path(), "--data has " + std::to_string(rows->size()) + " bytes; a glyph " +
                                        std::to_string(width) + " pixels wide in set " + std::to_string(setNumber) +
                                        " (height " + std::to_string(height) + ") needs " + std::to_string(needed));
        return kExitError;
    }
    ToolSession tool;
    if (const int status = tool.open(file, setNumber); status != kExitOk) return status;
    // Stored as every edit is: the sets saved with this one change with it.
    tool.session().StoreGlyph(setIndex, index, static_cast<uint8_t>(width), InvertRows(*rows));
    return tool.save();
}

}  // namespace glyphora::tool
