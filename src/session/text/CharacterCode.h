// Character codes as the user types and reads them: "Ж", "U+0416", "0x416"
// or "1046" as the code it names, a code's name with its character, and the
// glyph of a code in a set.
#pragma once

#include <Error.h>
#include <Langpack.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace glyphora {

// One character stands for itself ("Ж", also "5" and " "); anything longer is
// a code: "U+0416", "0x416" or the decimal "1046", blanks around it ignored.
// Codes above U+FFFF are refused: the sets hold 16-bit codes.
Result<uint16_t> ParseCharacterCode(std::string_view typed);

// "U+0416 (Ж)"; the character is left out where it would not show.
std::string CharacterName(uint16_t code);
// A character drawn without ink on every phone: the spaces (U+0020, U+00A0,
// U+2000 to U+200A, U+3000) and the zero-width space U+200B.
bool BlankByNature(uint16_t code);

// The first glyph of the set with this code, or -1.
int FindGlyph(std::span<const Symbols> glyphs, uint16_t code);

}  // namespace glyphora
