#include "CharacterSearch.h"

#include "CharacterCode.h"

namespace glyphora {

namespace {

// "1, 3 and 7"
std::string SetList(const std::vector<int>& sets) {
    std::string out;
    for (std::size_t i = 0; i < sets.size(); ++i) {
        if (i > 0) out += i + 1 == sets.size() ? " and " : ", ";
        out += std::to_string(sets[i] + 1);
    }
    return out;
}

}  // namespace

std::vector<int> SetsWithCharacter(const TLangpack& langpack, uint16_t code) {
    std::vector<int> sets;
    for (std::size_t k = 0; k < langpack.SymbolTable.size(); ++k)
        if (FindGlyph(langpack.SymbolTable[k], code) >= 0) sets.push_back(static_cast<int>(k));
    return sets;
}

bool CharacterSearch::GoTo(std::string_view typed) {
    const TLangpack* langpack = session_.langpack();
    const int set = session_.CurrentSet();
    if (!langpack || set < 0 || set >= static_cast<int>(langpack->SymbolTable.size())) return false;
    const Result<uint16_t> code = ParseCharacterCode(typed);
    if (!code) {
        session_.prompts().warning(code.error().message);
        return false;
    }
    const int glyph = FindGlyph(langpack->glyphs(set), *code);
    if (glyph >= 0) return session_.ChooseSymbol(glyph) && session_.CurrentSymbol() == glyph;

    const std::vector<int> sets = SetsWithCharacter(*langpack, *code);
    std::string text = "The set " + std::to_string(set + 1) + " has no character " + CharacterName(*code) + ".";
    if (sets.empty())
        text += "\nNo other set of this langpack has it either.";
    else
        text += "\nIt is in the set" + std::string(sets.size() > 1 ? "s " : " ") + SetList(sets) + ".";
    session_.prompts().information(text);
    return false;
}

}  // namespace glyphora
