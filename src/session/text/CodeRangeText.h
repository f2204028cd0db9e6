// What the user types for a range of characters: "U+0410–U+044F", "А–я",
// "0x410..0x44F", one character ("€"), or the name of a common block
// ("Cyrillic"). Each end is what Go to character takes (ParseCharacterCode):
// one character stands for itself, anything longer is a code.
#pragma once

#include <CharacterRanges.h>
#include <Error.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace glyphora {

struct NamedBlock {
    const char* name;
    CodeSpan span;
};

// The blocks offered by name, in the order a list shows them. Their spans are
// the letters and signs a phone font needs, not the whole Unicode block
// (codes without characters would only cost glyphs).
std::span<const NamedBlock> CommonBlocks();

// Refused (Usage) with what is wrong; a reversed range is refused too.
Result<CodeSpan> ParseCodeRange(std::string_view typed);

// A code on the command line: decimal digits, "0x..." or "U+...".
Result<uint16_t> ParseCodeNumber(std::string_view typed);

// "U+0410–U+044F" (one code: "U+20AC").
std::string CodeSpanName(CodeSpan span);

}  // namespace glyphora
