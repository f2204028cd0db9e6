// What the editor asks of the renderer, read from its command line:
//   Runecast HEIGHT STYLE CODE FONTNAME...
// or, in a batch, from one line of its stdin:
//   [fit=ROWS] HEIGHT STYLE CODE FONTNAME...
#pragma once

#include "Error.h"

#include <cstdint>
#include <span>
#include <string>

namespace glyphora::runecast {

// Style codes as the editor hands them over.
enum class FontStyle : int { Regular = 0, Italic = 1, Bold = 2, BoldItalic = 3 };

inline bool IsBold(FontStyle s) { return s == FontStyle::Bold || s == FontStyle::BoldItalic; }
inline bool IsItalic(FontStyle s) { return s == FontStyle::Italic || s == FontStyle::BoldItalic; }

inline constexpr int kMaxHeight = 1000;  // pixels, either sign

struct RenderRequest {
    // Logical-font convention: negative = the em size in pixels, positive =
    // the cell height (ascent + descent) in pixels. Never 0.
    int height = 0;
    FontStyle style = FontStyle::Regular;
    uint16_t code = 0;     // one UTF-16 code unit
    std::string fontName;  // a family name, or the path of a font file
    // Above 0: the largest size whose line fits this many rows, HEIGHT aside.
    int fitRows = 0;
};

// The arguments after the program name. The font name is all the arguments
// from the fourth on, joined by single blanks, so a name with blanks may come
// as one argument or as several.
Result<RenderRequest> ParseRequest(std::span<const std::string> args);

// One request line of a batch: the options first (fit=ROWS), then the
// arguments of the command line, separated by single blanks (so a font name
// keeps the blanks it has).
Result<RenderRequest> ParseBatchLine(const std::string& line);

// True for a name that names a font file rather than a family: it holds a
// path separator ("./Font.ttf" for one in the current folder).
bool IsFontPath(const std::string& fontName);

// The text --help prints.
const char* UsageText();

}  // namespace glyphora::runecast
