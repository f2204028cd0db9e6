// The interface-language file (*.flp): a header line, a version line, then
// one entry a line, "s<slot>=<text>". Parsing is a pure function over the
// file's bytes; what to tell the user and which language to fall back to is
// the loader's business.
#pragma once

#include "UiStrings.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace glyphora {

inline constexpr std::string_view kLanguageFileHeader = "[Glyphora LanguagePack]";
inline constexpr std::string_view kLanguageFileVersion = "[Version 1.0b]";

struct LanguageEntry {
    int slot = 0;      // always 0 to 200
    std::string text;  // UTF-8, exactly as written after the first '='
};

struct LanguageFileContent {
    bool headerOk = false;   // line 1 is the header line; nothing else is read without it
    bool versionOk = false;  // line 2 is the version line
    // File order, later entries for the same slot after earlier ones. Entries
    // whose slot number lies outside 0 to 200 are left out. Reading stops at
    // a format fault; the entries before it are kept.
    std::vector<LanguageEntry> entries;
    bool formatFault = false;  // an entry's slot number is not a decimal integer
    int faultLine = 0;         // 1-based line of that entry
};

// Lines end in CR LF, LF or a lone CR. The bytes are decoded as UTF-8 when
// they are valid UTF-8, otherwise as Windows-1251.
LanguageFileContent ParseLanguageFile(std::span<const uint8_t> bytes);

// Writes the entries into their slots in order, so a later entry wins.
void StoreEntries(const std::vector<LanguageEntry>& entries, UiStrings& strings);

}  // namespace glyphora
