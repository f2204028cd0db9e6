// What Runecast's front end (the command line, the batch protocol, writing
// the bitmap) asks of a back end that draws: FreeType with fontconfig here,
// GDI on Windows. A back end only draws; it never writes a file.
#pragma once

#include "Error.h"
#include "RenderRequest.h"

#include <MonoImage.h>

namespace glyphora::runecast {

struct DrawnGlyph {
    MonoImage image;    // ink on paper, the glyph's top-left pixel at (0, 0)
    int ascent = 0;     // the baseline's row in the image
    int pixelSize = 0;  // the em size drawn, in pixels (what a fit chose)
};

class Rasterizer {
public:
    virtual ~Rasterizer() = default;
    // Errors: Unsupported when the font has no glyph for the code (exit
    // status 3), Usage for a request it cannot take (2), any other kind when
    // the font cannot be found or read (1).
    virtual Result<DrawnGlyph> draw(const RenderRequest& request) = 0;
};

}  // namespace glyphora::runecast
