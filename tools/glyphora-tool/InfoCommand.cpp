// info FILE: the "Information on a langpack" page as text, then the set grid.
#include "Commands.h"
#include "LangpackInfo.h"
#include "LangpackReader.h"
#include "ToolSupport.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace glyphora::tool {

namespace {

using Row = std::vector<std::string>;

// Left-aligned columns two spaces apart; the last column is not padded.
void PrintTable(const std::vector<Row>& rows) {
    std::vector<std::size_t> widths;
    for (const Row& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t c = 0; c < row.size(); ++c) {
            widths[c] = std::max(widths[c], row[c].size());
        }
    }
    for (const Row& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            line += row[c];
            if (c + 1 < row.size()) {
                line.append(widths[c] - row[c].size() + 2, ' ');
            }
        }
        std::printf("%s\n", line.c_str());
    }
}

void PrintGeneral(const TLangpackHeader& h) {
    std::printf("The general information:\n");
    std::vector<Row> rows;
    for (const InfoRow& r : GeneralInformation(h)) rows.push_back({r.caption, r.value});
    PrintTable(rows);
}

void PrintLanguages(const std::vector<TLanguageEntry>& languages) {
    std::printf("\nLanguages:\n");
    std::vector<Row> rows{LanguageColumnCaptions()};
    for (const LanguageRow& l : LanguageRows(languages)) rows.push_back({l.id, l.name, l.iTapAddress, l.address});
    PrintTable(rows);
}

void PrintSets(const TLangpack& lp) {
    std::printf("\nFont sets (%s table):\n", lp.SetTableForm == TSetTableForm::Framed ? "framed" : "packed");
    std::vector<Row> rows{{"No.", "Height", "Glyphs", "Description"}};
    for (int k = 0; k < lp.SetCount(); ++k) {
        const TFontSetEntry& set = lp.FontSetTable[static_cast<std::size_t>(k)];
        rows.push_back({std::to_string(k + 1), std::to_string(set.Height), std::to_string(set.SymbolCount),
                        SetDescription(k + 1, lp.Set7SharesSet2)});
    }
    PrintTable(rows);

    std::printf("\nCharacters of the sets:\n");
    std::vector<Row> ranges{SetColumnCaptions()};
    for (const SetInfoRow& r : SetRows(lp)) ranges.push_back({r.number, r.glyphs, r.intervals, r.ranges});
    PrintTable(ranges);
    for (const InfoRow& r : FontAreaRoom(lp)) std::printf("%s: %s\n", r.caption.c_str(), r.value.c_str());
}

}  // namespace

int runInfo(const Words& args) {
    std::optional<LangpackDocument> doc;
    if (const int status = OpenFileArgument(args, doc); status != kExitOk) {
        return status;
    }
    PrintGeneral(doc->langpack().Header);
    PrintLanguages(doc->langpack().LanguageTable);
    PrintSets(doc->langpack());
    return std::fflush(stdout) == 0 ? kExitOk : kExitError;
}

}  // namespace glyphora::tool
