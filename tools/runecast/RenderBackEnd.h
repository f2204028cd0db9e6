// What draws a request: the one call the front end (main.cpp: the command
// line, temp.bmp) makes of the platform's rasteriser. FreeType with
// fontconfig on POSIX systems (FreeTypeBackEnd.cpp), GDI on Windows
// (GdiBackEnd.cpp); each is linked in alone, chosen in CMakeLists.txt.
#pragma once

#include "Error.h"
#include "RenderRequest.h"

#include <MonoImage.h>

namespace glyphora::runecast {

// The character in black on white, no smoothing, as tall as the font's line
// and as wide as its advance (at least 1 pixel). Errors: Missing or Failed
// when the font cannot be found or read, Unsupported when it has no glyph
// for the character.
Result<MonoImage> RenderCharacter(const RenderRequest& request);

}  // namespace glyphora::runecast
