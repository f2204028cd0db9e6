// What the commands share: exit statuses, error output, argument parsing,
// and reading and saving a langpack file.
#pragma once

#include "ArgParser.h"

#include <LangpackDocument.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace glyphora::tool {

using Words = std::vector<std::string>;

inline constexpr int kExitOk = 0;
inline constexpr int kExitError = 1;
inline constexpr int kExitNotLangpack = 2;
// Returned by a command whose arguments are wrong after it has said why;
// main prints the command's usage and exits with kExitError.
inline constexpr int kExitUsage = -1;

// "<file>: <what>" on stderr.
void PrintFileError(const std::string& file, const std::string& what);

// Prints the error and gives the exit status for its kind.
int Report(const Error& error);

// kExitOk with `doc` set, or the exit status after the reason was printed.
int OpenLangpack(const std::string& path, std::optional<LangpackDocument>& doc);

// Builds the new file image and replaces the file atomically; on any refusal
// or failure the file on disk is left as it was.
int SaveLangpack(LangpackDocument& doc);

// Parses the words after the command name. Prints what is wrong and returns
// nothing unless they parse and exactly one positional FILE is given.
std::optional<ParsedArguments> ParseFileArguments(const Words& args, const std::vector<OptionSpec>& options,
                                                  std::string& file);

// The commands that take nothing but FILE: parses the words and reads the
// langpack. kExitOk, or the status to exit with (kExitUsage for bad words).
int OpenFileArgument(const Words& args, std::optional<LangpackDocument>& doc);

// An integer option in [min, max]; prints what is wrong and returns false
// when it is missing, not a number, or out of range.
bool IntegerOption(const ParsedArguments& parsed, const std::string& name, int min, int max, int& value);

// A character code option that must be given: decimal, 0x... or U+....
bool CodeOption(const ParsedArguments& parsed, const std::string& name, uint32_t& code);

// A string option that must be given and not be empty; prints what is wrong
// and returns false otherwise.
bool RequiredOption(const ParsedArguments& parsed, const std::string& name, std::string& value);

// Glyph `index` of set `setNumber` (1-based, known to exist), or null after
// saying that the set has no such glyph.
const Symbols* GlyphOfSet(const LangpackDocument& doc, int setNumber, int index);

// Whether that glyph (known to exist) has a width and a height; false after
// saying "glyph I of set N is WxH pixels: <why>".
bool GlyphHasPixels(const LangpackDocument& doc, int setNumber, int index, const std::string& why);
// The commands that read one set: reads the langpack and checks that set
// `setNumber` (1-based) exists. kExitOk, or the status to exit with.
int OpenSet(const std::string& file, int setNumber, std::optional<LangpackDocument>& doc);

// The export commands: OpenSet, and an --out that names the langpack itself
// (also through a link or a hard link) refused, as the export would replace it.
int OpenSetForExport(const std::string& file, int setNumber, const std::string& out,
                     std::optional<LangpackDocument>& doc);

// Replaces the file at `path` with `bytes` atomically. kExitOk, or the status
// to exit with after the reason was printed.
int WriteOutputFile(const std::string& path, std::span<const uint8_t> bytes);

// The edit commands: reads the langpack and checks that set `setNumber`
// (1-based) exists and has glyphs of its own. A set saved as a copy of set 2
// is written from set 2's tables and glyphs, so an edit of its own would be
// dropped by the next save. kExitOk, or the status to exit with.
int OpenSetForEdit(const std::string& file, int setNumber, std::optional<LangpackDocument>& doc);

}  // namespace glyphora::tool
