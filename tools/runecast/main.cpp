// Runecast HEIGHT STYLE CODE FONTNAME...: the renderer the editor starts in a
// scratch folder of the batch. It draws the character into temp.bmp and
// ends; with --batch it draws one character per line of its input. See
// UsageText() for the whole contract. This file picks the FreeType back end.
#include "FreeTypeRasterizer.h"
#include "RunecastMain.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    using namespace glyphora::runecast;
    try {
        FreeTypeRasterizer rasterizer;
        const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
        return RunecastMain(args, rasterizer, stdin, stdout);
    } catch (const std::exception& e) {
        // Out of memory or a library's own failure: said, and no bitmap claims success.
        std::fprintf(stderr, "Runecast: %s\n", e.what());
        return kExitFailed;
    }
}
