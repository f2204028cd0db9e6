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

}  // namespace glyphora
