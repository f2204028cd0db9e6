// Writes small langpacks of every table form and ending into a folder, as the
// fuzzer's seed corpus.
#include "LangpackBuilder.h"

#include <cstdio>
#include <fstream>
#include <string>

using namespace glyphora;
using namespace glyphora::fixtures;

namespace {

LangpackSpec Small(TSetTableForm form, SetTableEnd end, std::vector<uint8_t> after) {
    LangpackSpec spec;
    spec.Languages = {{0x01, 0x10200000, 0}, {0x23, 0x10280000, 0}};
    spec.Form = form;
    spec.Sets.push_back(PatternSet(6, {{0x30, 0x34}}, {4, 5}, 1));
    spec.Sets.push_back(PatternSet(8, {{0x41, 0x46}, {0x410, 0x413}}, {6, 9, 12}, 2));
    spec.Sets.push_back(MirrorOf(spec.Sets[1], 1));
    spec.Sets.push_back(PatternSet(5, {{0x61, 0x63}}, {0, 15}, 3, false));
    spec.End = end;
    spec.AfterEnd = std::move(after);
    return spec;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_langpack_seeds FOLDER\n");
        return 2;
    }
    const auto F = TSetTableForm::Framed;
    const auto P = TSetTableForm::Packed;
    std::vector<std::pair<std::string, LangpackSpec>> seeds = {
        {"framed-marker-more", Small(F, SetTableEnd::Marker, {1, 2, 3, 4, 5})},
        {"framed-marker-end", Small(F, SetTableEnd::Marker, {})},
        {"framed-0001", Small(F, SetTableEnd::Word0001, {9, 9})},
        {"framed-no-marker", Small(F, SetTableEnd::None, {})},
        {"packed-0000-more", Small(P, SetTableEnd::Marker, {1, 2, 3, 4, 5})},
        {"packed-0001", Small(P, SetTableEnd::Word0001, {7, 7, 7, 7})},
        {"packed-no-end-word", Small(P, SetTableEnd::None, {})},
    };
    LangpackSpec middle = Small(F, SetTableEnd::Marker, std::vector<uint8_t>(16, 0x77));
    middle.ITapAfterSetTable = true;
    seeds.emplace_back("fonts-in-the-middle", middle);
    LangpackSpec gaps = Small(P, SetTableEnd::Marker, {0xFF});
    gaps.GapBetweenTables = 3;
    for (SetSpec& set : gaps.Sets) set.DataLead = 2;
    seeds.emplace_back("gaps-and-leads", gaps);
    LangpackSpec seven = Small(F, SetTableEnd::Marker, {});
    seven.Sets.push_back(PatternSet(7, {{0x20, 0x22}}, {3}, 5));
    seven.Sets.push_back(PatternSet(7, {{0x20, 0x22}}, {3}, 6));
    seven.Sets.push_back(MirrorOf(seven.Sets[1], 1));
    seeds.emplace_back("set7-shares-set2", seven);

    for (const auto& [name, spec] : seeds) {
        const std::vector<uint8_t> bytes = BuildLangpack(spec).Bytes;
        const std::string path = std::string(argv[1]) + "/" + name + ".smg";
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
