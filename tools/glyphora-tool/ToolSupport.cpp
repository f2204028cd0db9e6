#include "ToolSupport.h"

#include <CodeRangeText.h>
#include <FileLayer.h>
#include <SetSharing.h>

#include <charconv>
#include <cstdio>

namespace glyphora::tool {

void PrintFileError(const std::string& file, const std::string& what) {
    std::fprintf(stderr, "%s: %s\n", file.c_str(), what.c_str());
}

int Report(const Error& error) {
    std::fprintf(stderr, "%s\n", error.message.c_str());
    return error.kind == ErrorKind::NotLangpack ? kExitNotLangpack : kExitError;
}

int OpenLangpack(const std::string& path, std::optional<LangpackDocument>& doc) {
    Result<LangpackDocument> loaded = LangpackDocument::Load(path);
    if (!loaded) return Report(loaded.error());
    doc.emplace(std::move(*loaded));
    return kExitOk;
}

int SaveLangpack(LangpackDocument& doc) {
    const Status saved = doc.Save();
    if (saved) return kExitOk;
    // The writer's refusals say what breaks, not where.
    if (saved.error().kind == ErrorKind::Refused) {
        PrintFileError(doc.path(), saved.error().message);
        return kExitError;
    }
    return Report(saved.error());
}

std::optional<ParsedArguments> ParseFileArguments(const Words& args, const std::vector<OptionSpec>& options,
                                                  std::string& file) {
    Result<ParsedArguments> parsed = ParseArguments(args, options);
    if (!parsed) {
        std::fprintf(stderr, "glyphora-tool: %s\n", parsed.error().message.c_str());
        return std::nullopt;
    }
    const Words& files = parsed->positional();
    if (files.size() != 1) {
        std::fprintf(stderr, "glyphora-tool: expected one FILE, got %zu\n", files.size());
        return std::nullopt;
    }
    file = files.front();
    return std::move(*parsed);
}

int OpenFileArgument(const Words& args, std::optional<LangpackDocument>& doc) {
    std::string file;
    if (!ParseFileArguments(args, {}, file)) return kExitUsage;
    return OpenLangpack(file, doc);
}

bool CodeOption(const ParsedArguments& parsed, const std::string& name, uint32_t& code) {
    std::string text;
    if (!RequiredOption(parsed, name, text)) return false;
    const Result<uint16_t> value = ParseCodeNumber(text);
    if (!value) {
        std::fprintf(stderr, "--%s: %s\n", name.c_str(), value.error().message.c_str());
        return false;
    }
    code = *value;
    return true;
}

bool IntegerOption(const ParsedArguments& parsed, const std::string& name, int min, int max, int& value) {
    if (!parsed.isSet(name)) {
        std::fprintf(stderr, "glyphora-tool: --%s is missing\n", name.c_str());
        return false;
    }
    const std::string text = parsed.value(name);
    long long number = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data() + (text.rfind('+', 0) == 0 ? 1 : 0), end, number);
    if (text.empty() || error != std::errc() || stop != end || number < min || number > max) {
        std::fprintf(stderr, "glyphora-tool: --%s must be a whole number from %d to %d, not '%s'\n", name.c_str(), min,
                     max, text.c_str());
        return false;
    }
    value = static_cast<int>(number);
    return true;
}

bool RequiredOption(const ParsedArguments& parsed, const std::string& name, std::string& value) {
    value = parsed.value(name);
    if (parsed.isSet(name) && !value.empty()) return true;
    std::fprintf(stderr, "glyphora-tool: --%s is missing\n", name.c_str());
    return false;
}

const Symbols* GlyphOfSet(const LangpackDocument& doc, int setNumber, int index) {
    const std::vector<Symbols>& glyphs = doc.langpack().glyphs(setNumber - 1);
    if (index >= 0 && static_cast<std::size_t>(index) < glyphs.size()) return &glyphs[static_cast<std::size_t>(index)];
    PrintFileError(doc.path(), "set " + std::to_string(setNumber) + " has no glyph " + std::to_string(index) +
                                   (glyphs.empty() ? "; it has no glyphs"
                                                   : "; its glyphs are 0 to " + std::to_string(glyphs.size() - 1)));
    return nullptr;
}

bool GlyphHasPixels(const LangpackDocument& doc, int setNumber, int index, const std::string& why) {
    const auto set = static_cast<std::size_t>(setNumber - 1);
    const int width = doc.langpack().SymbolTable[set][static_cast<std::size_t>(index)].Width;
    const int height = doc.langpack().FontSetTable[set].Height;
    if (width > 0 && height > 0) return true;
    PrintFileError(doc.path(), "glyph " + std::to_string(index) + " of set " + std::to_string(setNumber) + " is " +
                                   std::to_string(width) + "x" + std::to_string(height) + " pixels: " + why);
    return false;
}

int OpenSet(const std::string& file, int setNumber, std::optional<LangpackDocument>& doc) {
    if (const int status = OpenLangpack(file, doc); status != kExitOk) return status;
    const int count = doc->langpack().SetCount();
    if (setNumber < 1 || setNumber > count) {
        PrintFileError(doc->path(), "there is no set " + std::to_string(setNumber) + "; the langpack has " +
                                        std::to_string(count) + (count == 1 ? " set" : " sets"));
        return kExitError;
    }
    return kExitOk;
}

int OpenSetForExport(const std::string& file, int setNumber, const std::string& out,
                     std::optional<LangpackDocument>& doc) {
    if (const int status = OpenSet(file, setNumber, doc); status != kExitOk) return status;
    if (!SameFile(out, file)) return kExitOk;
    PrintFileError(out, "it is the langpack being exported; give --out another file");
    return kExitError;
}

int WriteOutputFile(const std::string& path, std::span<const uint8_t> bytes) {
    const Status written = WriteFileAtomically(path, bytes);
    return written ? kExitOk : Report(written.error());
}

int OpenSetForEdit(const std::string& file, int setNumber, std::optional<LangpackDocument>& doc) {
    if (const int status = OpenSet(file, setNumber, doc); status != kExitOk) return status;
    const TLangpack& lp = doc->langpack();
    if (SharesSet2(lp, setNumber - 1)) {
        PrintFileError(doc->path(), "set " + std::to_string(setNumber) +
                                        " shows the glyphs of set 2 and is saved from them; change set 2 instead");
        return kExitError;
    }
    return kExitOk;
}

}  // namespace glyphora::tool
