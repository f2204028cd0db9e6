// Which font file and face draw a request, and what FreeType must add
// because the family has no face of the asked style.
#pragma once

#include <string>

namespace glyphora::runecast {

struct FontChoice {
    std::string path;
    long faceIndex = 0;  // as FT_New_Face takes it (a named instance in the upper 16 bits)
    bool syntheticBold = false;
    bool syntheticOblique = false;
    bool operator==(const FontChoice&) const = default;
};

}  // namespace glyphora::runecast
