// "Go to character": what the user typed as the character code it names, the
// glyph of that code in a set, and the flow that selects it.
#pragma once

#include <Error.h>
#include <Langpack.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace glyphora {

class Session;

// One character stands for itself ("Ж", also "5" and " "); anything longer is
// a code: "U+0416", "0x416" or the decimal "1046", blanks around it ignored.
// Codes above U+FFFF are refused: the sets hold 16-bit codes.
Result<uint16_t> ParseCharacterCode(std::string_view typed);

// "U+0416 (Ж)"; the character is left out where it would not show.
std::string CharacterName(uint16_t code);

// The first glyph of the set with this code, or -1.
int FindGlyph(std::span<const Symbols> glyphs, uint16_t code);

// The sets (0-based) that have a glyph of this code.
std::vector<int> SetsWithCharacter(const TLangpack& langpack, uint16_t code);

// Selects the glyph of the typed character in the current set, with the
// usual "Save the current symbol?" question; when the set lacks it, tells
// which sets have it. True when the glyph is the one shown now.
bool GoToCharacter(Session& session, std::string_view typed);

}  // namespace glyphora
