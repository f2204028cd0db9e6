#include "LangpackInfo.h"

#include "LangpackReader.h"

#include <HexText.h>

namespace glyphora {

namespace {
std::string Address(int32_t value) { return UpperHex(static_cast<uint32_t>(value), 8); }
}  // namespace

std::vector<InfoRow> GeneralInformation(const TLangpackHeader& h) {
    return {
        {"Langpack address", Address(h.LangpackAddress)},
        {"Generation flash", UpperHex(h.FlashGeneration[0], 2) + "." + UpperHex(h.FlashGeneration[1], 2)},
        {"The version langpack", UpperHex(h.LangpackVersion, 2)},
        {"Amount of languages in langpack", std::to_string(h.LanguageCount)},
        {"The address of fonts", Address(h.FontsAddress)},
        {"The address of structure with the description of sets of fonts", Address(h.SetTableAddress)},
    };
}

std::vector<LanguageRow> LanguageRows(const std::vector<TLanguageEntry>& languages) {
    std::vector<LanguageRow> rows;
    rows.reserve(languages.size());
    for (const TLanguageEntry& l : languages)
        rows.push_back(
            {UpperHex(l.ID, 2), LanguageNameById(l.ID), Address(l.ITapAddress), Address(l.PackedStringsAddress)});
    return rows;
}

std::vector<std::string> LanguageColumnCaptions() { return {"ID", "Language", "iTAP address", "Addres"}; }

}  // namespace glyphora
