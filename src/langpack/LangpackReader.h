// Reads a langpack held in memory into the model. Every offset and count is
// checked against the file size and the model's limits before it is used.
// A refusal is an Error: NotLangpack for a file that is not a langpack at all
// (shorter than 600 bytes, no 00 00 00 B1 signature), Malformed for a
// langpack whose tables cannot be read, the message naming the set, glyph or
// offset at fault.
#pragma once

#include "Langpack.h"

#include <Error.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace glyphora {

struct LangpackHead {
    TLangpackHeader Header;
    std::vector<TLanguageEntry> LanguageTable;
};

// Header and language table only.
Result<LangpackHead> ReadHeadLang(std::span<const uint8_t> file);

// The whole langpack: header, languages, set table, intervals, descriptors, glyphs.
Result<TLangpack> ReadLangpack(std::span<const uint8_t> file);

// The two steps after the header, filling the model's tables.
Status ReadSet(std::span<const uint8_t> file, TLangpack& lp);
Status ReadIntervals(std::span<const uint8_t> file, TLangpack& lp);

// Display name for a language ID shown as upper-case hex ("23" -> "Russian");
// "Unknown" for any other text, also an ID of more than two digits.
std::string LanguageNameById(const std::string& idText);
// The same for the ID as read from the file.
std::string LanguageNameById(uint32_t id);

// Fixed description of a 1-based set number; empty above 16.
std::string SetDescription(int setNumber, bool set7SharesSet2);

}  // namespace glyphora
