// The "Information on a langpack" page as rows of text: the general
// information and one row per language. The editor's page and glyphora-tool's
// info command are built from the same rows.
#pragma once

#include "Langpack.h"

#include <string>
#include <vector>

namespace glyphora {

struct InfoRow {
    std::string caption;
    std::string value;
};

// "Langpack address", "Generation flash", ... with their values.
std::vector<InfoRow> GeneralInformation(const TLangpackHeader& header);

struct LanguageRow {
    std::string id;    // at least 2 hex digits
    std::string name;  // LanguageNameById
    std::string iTapAddress;
    std::string address;  // the packed strings
};

std::vector<LanguageRow> LanguageRows(const std::vector<TLanguageEntry>& languages);

// The language grid's header row: "ID", "Language", "iTAP address", "Addres".
std::vector<std::string> LanguageColumnCaptions();

// One row per font set: its number, glyph count, intervals in use and the
// ranges of its codes ("U+0020-U+007E, U+00A0-U+00FF").
struct SetInfoRow {
    std::string number;
    std::string glyphs;
    std::string intervals;
    std::string ranges;
};

std::vector<SetInfoRow> SetRows(const TLangpack& langpack);

// The set grid's header row: "No.", "Glyphs", "Intervals", "Characters".
std::vector<std::string> SetColumnCaptions();

// "Room left in the fonts area" with the bytes a fonts area in the middle of
// the langpack has left before a save is refused; nothing when the area may grow.
std::vector<InfoRow> FontAreaRoom(const TLangpack& langpack);

}  // namespace glyphora
