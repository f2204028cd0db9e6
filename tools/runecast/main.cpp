// Runecast HEIGHT STYLE CODE FONTNAME...: the renderer the editor starts in a
// scratch folder of the batch. It draws the character into temp.bmp and
// ends; with --batch it draws one character per line of its input. See
// UsageText() for the whole contract. This file picks the back end: GDI on
// Windows, FreeType elsewhere.
#ifdef _WIN32
#include "GdiRasterizer.h"
#else
#include "FreeTypeRasterizer.h"
#endif
#include "RunecastMain.h"

#include <ProgramPlace.h>

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
    using namespace glyphora::runecast;
    try {
#ifdef _WIN32
        // A batch's bitmaps go out byte for byte, and its requests come in
        // without the C runtime turning CR LF into LF behind our back.
        _setmode(_fileno(stdout), _O_BINARY);
        _setmode(_fileno(stdin), _O_BINARY);
        GdiRasterizer rasterizer;
#else
        FreeTypeRasterizer rasterizer;
#endif
        return RunecastMain(glyphora::ProgramArguments(argc, argv), rasterizer, stdin, stdout);
    } catch (const std::exception& e) {
        // Out of memory or a library's own failure: said, and no bitmap claims success.
        std::fprintf(stderr, "Runecast: %s\n", e.what());
        return kExitFailed;
    }
}
