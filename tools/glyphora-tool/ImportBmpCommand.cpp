// import-bmp FILE --set N --index I --in IMAGE.bmp: puts a BMP picture on one
// glyph as the editor's "Import from bitmap" does, dropped at the top-left
// corner and clipped to the glyph, which keeps its width; then stores the
// glyph and saves, as "Save Image" and "Save langpack" would.
#include "Commands.h"
#include "ToolSession.h"
#include "ToolSupport.h"

#include <GlyphExchange.h>

#include <optional>

namespace glyphora::tool {

int runImportBmp(const Words& args) {
    std::string file;
    std::string in;
    int setNumber = 0;
    int index = 0;
    const auto parsed = ParseFileArguments(args, {{"set", "N"}, {"index", "I"}, {"in", "IMAGE.bmp"}}, file);
    if (!parsed || !IntegerOption(*parsed, "set", 1, kMaxSets, setNumber) ||
        !IntegerOption(*parsed, "index", 0, kMaxSymbols - 1, index) || !RequiredOption(*parsed, "in", in)) {
        return kExitUsage;
    }

    std::optional<LangpackDocument> doc;
    if (const int status = OpenSetForEdit(file, setNumber, doc); status != kExitOk) return status;
    const Symbols* glyph = GlyphOfSet(*doc, setNumber, index);
    if (!glyph) return kExitError;
    const int setIndex = setNumber - 1;
    const int height = doc->langpack().FontSetTable[static_cast<std::size_t>(setIndex)].Height;
    if (!GlyphHasPixels(*doc, setNumber, index, "there is no room for a picture")) return kExitError;
    // Read whole before the langpack is touched.
    const Result<MonoImage> picture = ReadBmpPicture(in, glyph->Width, height);
    if (!picture) return Report(picture.error());
    if (picture->isEmpty()) {
        PrintFileError(in, "the picture has no pixels");
        return kExitError;
    }

    // The window's own steps, so the tool and the window give the same glyph.
    ToolSession tool;
    if (const int status = tool.open(file, setNumber); status != kExitOk) return status;
    Session& session = tool.session();
    if (!session.ChooseSymbol(index) || !PicturePlacement(session).Place(*picture)) {
        tool.prompts().printKept(file);
        return kExitError;
    }
    session.SaveImageCommand();
    return tool.save();
}

}  // namespace glyphora::tool
