// Glyphora.ini: the interface language and the langpack that was current when
// the program last closed. Read once at start, rewritten whole on every change.
// Failures either way are silent: a missing or unreadable file yields nothing,
// a file that cannot be written keeps its old content.
#pragma once

#include <string>
#include <vector>

namespace glyphora {

inline constexpr const char* kSettingsFileName = "Glyphora.ini";

// One recognised line of the file, in file order. Every BINFile= line leads to
// its own open attempt, so the order matters.
struct SettingsEntry {
    enum class Key { Language, BINFile };
    Key key;
    std::string value;  // the rest of the line after '=', exactly
};

struct SettingsRead {
    bool exists = false;
    std::vector<SettingsEntry> entries;
};

// Parses the text of a settings file. Keys are case-sensitive and only count at
// the very start of a line; every other line is ignored.
std::vector<SettingsEntry> ParseSettings(const std::string& text);

// The four lines of the file, each ended by CR LF. A value with a line feed
// in it is left empty.
std::string FormatSettings(const std::string& language, const std::string& binFile);

SettingsRead ReadSettingsFile(const std::string& path);

// Where Glyphora.ini is read and where it is written.
struct SettingsPlaces {
    std::string read;
    std::string write;
};

// It is written beside the executable when that folder is the place for it
// (not an installed layout) and the file there, or with none the folder, may
// be written; otherwise to `configFile` in the user's configuration folder.
// It is read from the first of the written place, the one beside the
// executable and the configuration folder that holds a file, so that a
// read-only file beside the executable still gives its values.
SettingsPlaces LocateSettings(const std::string& programDir, const std::string& configFile);

// Best effort: true when the file now holds the new content.
bool WriteSettingsFile(const std::string& path, const std::string& language, const std::string& binFile);

}  // namespace glyphora
