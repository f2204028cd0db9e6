// What the commands share: exit statuses, error output, argument parsing,
// and reading and saving a langpack file.
#pragma once

#include "Langpack.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <string>
#include <vector>

namespace glyphora::tool {

inline constexpr int kExitOk = 0;
inline constexpr int kExitError = 1;
inline constexpr int kExitNotLangpack = 2;
// Returned by a command whose arguments are wrong after it has said why;
// main prints the command's usage and exits with kExitError.
inline constexpr int kExitUsage = -1;

// "<file>: <what>" on stderr.
void PrintFileError(const std::string& file, const std::string& what);

// A langpack read from disk together with the bytes it was read from, which
// the writer needs to keep everything outside the fonts area.
struct LangpackDocument {
    std::string path;
    std::vector<uint8_t> bytes;
    TLangpack lp;
};

// kExitOk, or the exit status after the reason was printed.
int OpenLangpack(const QString& path, LangpackDocument& doc);

// Builds the new file image and replaces the file atomically; on any refusal
// or failure the file on disk is left as it was.
int SaveLangpack(LangpackDocument& doc);

// Parses the words after the command name. Prints what is wrong and returns
// false unless they parse and exactly one positional FILE is given.
bool ParseFileArguments(QCommandLineParser& parser, const QStringList& args, QString& file);

// The commands that take nothing but FILE: parses the words and reads the
// langpack. kExitOk, or the status to exit with (kExitUsage for bad words).
int OpenFileArgument(const QStringList& args, LangpackDocument& doc);

// An integer option in [min, max]; prints what is wrong and returns false
// when it is missing, not a number, or out of range.
bool IntegerOption(const QCommandLineParser& parser, const QString& name, int min, int max,
                   int& value);

// The edit commands: reads the langpack and checks that set `setNumber`
// (1-based) exists and has glyphs of its own. Sets 3, and 7 when it shares
// set 2, are written from set 2's tables and glyphs, so an edit of their own
// would be dropped by the next save. kExitOk, or the status to exit with.
int OpenSetForEdit(const QString& file, int setNumber, LangpackDocument& doc);

}  // namespace glyphora::tool
