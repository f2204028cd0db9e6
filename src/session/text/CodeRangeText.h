// What the user types for the characters to add to a set: one character
// ("Ё"), a code ("U+0401", "0x401", "1025"), a range ("U+0410–U+044F",
// "А–я", "0x410..0x44F"), the name of a block ("Russian"), or a list of these
// separated by commas or blanks ("А–я, Ё, ё", "U+0401 U+0451"). Each end of a
// range is what Go to character takes (ParseCharacterCode): one character
// stands for itself, anything longer is a code.
#pragma once

#include <CharacterRanges.h>
#include <Error.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace glyphora {

// A block offered by name. A language's block holds the letters of its
// alphabet, capitals and small letters, written out; a script's or a sign
// family's block is a run of codes.
struct NamedBlock {
    const char* name;
    const char* letters = nullptr;  // UTF-8, every character one letter; null for a run
    CodeSpan span = {};             // the run, when there are no letters
};

// The blocks in the order a list shows them.
std::span<const NamedBlock> CommonBlocks();

// The block of this name, any case; null when there is none.
const NamedBlock* FindBlock(std::string_view name);

// The codes of a block, ascending.
std::vector<uint16_t> BlockCodes(const NamedBlock& block);

// What a list shows beside a block's name: "66 letters" or "U+0020–U+007E".
std::string BlockSummary(const NamedBlock& block);

// Everything the user may type (see above) as its codes, ascending and each
// once. Refused (Usage) with a message that quotes the entry that is wrong and
// shows one example of each form.
Result<std::vector<uint16_t>> ParseCodeList(std::string_view typed);

// One range or one character, no block and no list. Refused (Usage) with what
// is wrong; a reversed range is refused too.
Result<CodeSpan> ParseCodeRange(std::string_view typed);

// A code on the command line: decimal digits, "0x..." or "U+...".
Result<uint16_t> ParseCodeNumber(std::string_view typed);

// "U+0410–U+044F" (one code: "U+20AC").
std::string CodeSpanName(CodeSpan span);

}  // namespace glyphora
