// Any text on the clipboard: the reader refuses it or reads glyphs that write
// back to a text it reads as the same glyphs.
#include "GlyphClip.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace glyphora;
    const Result<GlyphClip> clip = ReadGlyphClip(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!clip) return 0;
    const Result<GlyphClip> again = ReadGlyphClip(WriteGlyphClip(*clip));
    if (!again || !(*again == *clip)) {
        std::fputs("fuzz_glyph_clip: the glyphs do not read back\n", stderr);
        std::abort();
    }
    return 0;
}
