// Reads a langpack held in memory into the model. Every offset and count is
// checked against the file size and the model's limits before it is used.
#pragma once

#include "Langpack.h"

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

namespace glyphora {

// A file that breaks the format; the text names the set, glyph or offset at fault.
class LangpackFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class ReadStatus {
    Ok,
    NotLangpack,   // shorter than 600 bytes or no 00 00 00 B1 signature: refused silently
    Malformed,     // a langpack whose tables cannot be read; message says why
};

struct ReadHeadResult {
    ReadStatus status = ReadStatus::NotLangpack;
    std::string message;
    TLangpackHeader Header;
    std::vector<TLanguageEntry> LanguageTable;
};

struct ReadResult {
    ReadStatus status = ReadStatus::NotLangpack;
    std::string message;
    TLangpack langpack;
};

// Header and language table only.
ReadHeadResult ReadHeadLang(std::span<const uint8_t> file);

// The whole langpack: header, languages, set table, intervals, descriptors, glyphs.
ReadResult ReadLangpack(std::span<const uint8_t> file);

// The two steps after the header; they throw LangpackFormatError.
void ReadSet(std::span<const uint8_t> file, TLangpack& lp);
void ReadIntervals(std::span<const uint8_t> file, TLangpack& lp);

// Display name for a language ID shown as upper-case hex ("23" -> "Russian").
std::string LanguageNameById(const std::string& idText);

// Fixed description of a 1-based set number; empty above 16.
std::string SetDescription(int setNumber, bool set7SharesSet2);

}  // namespace glyphora
