// add-chars FILE --set N (--from CODE --to CODE | --block NAME | --codes LIST)
// --width W: blank glyphs of width W for every code of the range, the named
// block or the typed list ("А–я, Ё, ё") the set lacks, then saves.
// remove-chars FILE --set N --from CODE --to CODE: the set's glyphs of those
// codes go, then saves. CODE is decimal, 0x... or U+.... A refused change
// exits non-zero with the reason and leaves the file as it was.
#include "Commands.h"
#include "ToolSession.h"
#include "ToolSupport.h"

#include <CharacterRanges.h>
#include <CharacterRangesFeature.h>
#include <CodeRangeText.h>

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

// The codes of exactly one of --from/--to, --block and --codes.
bool AddedCodes(const ParsedArguments& parsed, std::vector<uint16_t>& codes) {
    const int forms =
        int{parsed.isSet("from") || parsed.isSet("to")} + int{parsed.isSet("block")} + int{parsed.isSet("codes")};
    if (forms != 1) {
        std::fprintf(stderr, "Give the characters once: --from and --to, --block or --codes.\n");
        return false;
    }
    std::string text;
    if (parsed.isSet("block")) {
        if (!RequiredOption(parsed, "block", text)) return false;
        const NamedBlock* block = FindBlock(text);
        if (!block) {
            std::fprintf(stderr, "--block: there is no block named '%s'.\n", text.c_str());
            return false;
        }
        codes = BlockCodes(*block);
        return true;
    }
    if (parsed.isSet("codes")) {
        if (!RequiredOption(parsed, "codes", text)) return false;
        Result<std::vector<uint16_t>> typed = ParseCodeList(text);
        if (!typed) {
            std::fprintf(stderr, "--codes: %s\n", typed.error().message.c_str());
            return false;
        }
        codes = std::move(*typed);
        return true;
    }
    uint32_t from = 0;
    uint32_t to = 0;
    if (!CodeOption(parsed, "from", from) || !CodeOption(parsed, "to", to)) return false;
    if (Status ok = CheckCodeSpan(CodeSpan{from, to}); !ok) {
        std::fprintf(stderr, "--from, --to: %s\n", ok.error().message.c_str());
        return false;
    }
    for (uint32_t code = from; code <= to; ++code) codes.push_back(static_cast<uint16_t>(code));
    return true;
}

}  // namespace

int runAddChars(const Words& args) {
    std::string file;
    int setNumber = 0;
    int width = 0;
    std::vector<uint16_t> codes;
    const auto parsed = ParseFileArguments(
        args, {{"set", "N"}, {"from", "CODE"}, {"to", "CODE"}, {"block", "NAME"}, {"codes", "LIST"}, {"width", "W"}},
        file);
    if (!parsed || !IntegerOption(*parsed, "set", 1, kMaxSets, setNumber) || !AddedCodes(*parsed, codes) ||
        !IntegerOption(*parsed, "width", kMinNewGlyphWidth, kMaxGlyphWidth, width))
        return kExitUsage;
    return ChangeCharacters(file, setNumber, "added",
                            [&](TLangpack& lp) { return AddBlankCodes(lp, setNumber - 1, codes, width); });
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
