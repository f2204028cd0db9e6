// add-chars FILE --set N --from CODE --to CODE --width W: blank glyphs of
// width W for every code of the range the set lacks, then saves.
// remove-chars FILE --set N --from CODE --to CODE: the set's glyphs of those
// codes go, then saves. CODE is decimal, 0x... or U+.... A refused change
// exits non-zero with the reason and leaves the file as it was.
#include "Commands.h"
#include "ToolSession.h"
#include "ToolSupport.h"

#include <CharacterRanges.h>
#include <CharacterRangesFeature.h>

#include <cstdio>
#include <functional>

namespace glyphora::tool {

namespace {

// Opens the set, makes the change as "Characters of the set" does and saves
// it when anything changed.
int ChangeCharacters(const std::string& file, int setNumber, const char* verb,
                     const std::function<Result<RangeEdit>(TLangpack&)>& edit) {
    std::optional<LangpackDocument> doc;
    if (const int status = OpenSet(file, setNumber, doc); status != kExitOk) return status;
    ToolSession tool;
    if (const int status = tool.open(file, setNumber); status != kExitOk) return status;
    const Result<RangeEdit> done =
        CharacterRangesFeature(tool.session()).Change(CharacterRangesFeature::kTitle, setNumber - 1, edit);
    if (!done) {
        PrintFileError(file, done.error().message);
        return kExitError;
    }
    if (done->changed > 0)
        if (const int status = tool.save(); status != kExitOk) return status;
    const TLangpack& lp = *tool.session().langpack();
    const TFontSetEntry& set = lp.FontSetTable[static_cast<std::size_t>(setNumber - 1)];
    std::printf("%s %d, skipped %d; set %d has %d glyphs in %d intervals\n", verb, done->changed, done->skipped,
                setNumber, set.SymbolCount, IntervalsInUse(lp, setNumber - 1));
    return kExitOk;
}

}  // namespace

int runAddChars(const Words& args) {
    std::string file;
    int setNumber = 0;
    int width = 0;
    uint32_t from = 0;
    uint32_t to = 0;
    const auto parsed =
        ParseFileArguments(args, {{"set", "N"}, {"from", "CODE"}, {"to", "CODE"}, {"width", "W"}}, file);
    if (!parsed || !IntegerOption(*parsed, "set", 1, kMaxSets, setNumber) || !CodeOption(*parsed, "from", from) ||
        !CodeOption(*parsed, "to", to) || !IntegerOption(*parsed, "width", kMinNewGlyphWidth, kMaxGlyphWidth, width))
        return kExitUsage;
    return ChangeCharacters(file, setNumber, "added", [&](TLangpack& lp) {
        return AddBlankCodes(lp, setNumber - 1, CodeSpan{from, to}, width);
    });
}

int runRemoveChars(const Words& args) {
    std::string file;
    int setNumber = 0;
    uint32_t from = 0;
    uint32_t to = 0;
    const auto parsed = ParseFileArguments(args, {{"set", "N"}, {"from", "CODE"}, {"to", "CODE"}}, file);
    if (!parsed || !IntegerOption(*parsed, "set", 1, kMaxSets, setNumber) || !CodeOption(*parsed, "from", from) ||
        !CodeOption(*parsed, "to", to))
        return kExitUsage;
    return ChangeCharacters(file, setNumber, "removed", [&](TLangpack& lp) {
        return RemoveCodes(lp, setNumber - 1, CodeSpan{from, to});
    });
}

}  // namespace glyphora::tool
