#include "LangpackInfo.h"

#include "CharacterRanges.h"
#include "LangpackReader.h"
#include "LangpackWriter.h"

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

std::vector<SetInfoRow> SetRows(const TLangpack& lp) {
    std::vector<SetInfoRow> rows;
    for (int k = 0; k < lp.SetCount(); ++k) {
        std::string ranges;
        for (const CodeSpan& run : CodeRuns(lp, k)) {
            if (!ranges.empty()) ranges += ", ";
            ranges += CodeName(run.first);
            if (run.last != run.first) ranges += "-" + CodeName(run.last);
        }
        rows.push_back({std::to_string(k + 1), std::to_string(lp.glyphs(k).size()),
                        std::to_string(IntervalsInUse(lp, k)), ranges});
    }
    return rows;
}

std::vector<std::string> SetColumnCaptions() { return {"No.", "Glyphs", "Intervals", "Characters"}; }

std::vector<InfoRow> FontAreaRoom(const TLangpack& lp) {
    const std::optional<int64_t> left = FontAreaRoomLeft(lp);
    if (!left) return {};
    return {{"Room left in the fonts area", std::to_string(*left) + " bytes"}};
}

}  // namespace glyphora
