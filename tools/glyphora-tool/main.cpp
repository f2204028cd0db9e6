// glyphora-tool COMMAND ARGS...: dispatches to the command table below.
#include "Commands.h"
#include "ToolSupport.h"

#include <GlyphoraVersion.h>
#include <Process.h>
#include <ProgramPlace.h>

#include <cstdio>
#include <span>

namespace {

using glyphora::tool::kExitError;
using glyphora::tool::kExitOk;
using glyphora::tool::kExitUsage;

struct ToolCommand {
    const char* name;
    const char* usage;  // what follows "glyphora-tool "
    const char* summary;
    int (*run)(const glyphora::tool::Words& args);
};

const ToolCommand kCommands[] = {
    {"info", "info FILE", "the information page of a langpack: header, languages, font sets", glyphora::tool::runInfo},
    {"dump", "dump FILE", "the whole langpack model as JSON", glyphora::tool::runDump},
    {"resave", "resave FILE", "read the langpack and write it back unchanged", glyphora::tool::runResave},
    {"set-glyph", "set-glyph FILE --set N --index I --width W --data HEX",
     "replace one glyph (HEX: its rows in file form, 1 = ink) and save", glyphora::tool::runSetGlyph},
    {"set-height", "set-height FILE --set N --height H", "change the height of every glyph of a set and save",
     glyphora::tool::runSetHeight},
    {"extract", "extract FILE.shx [--overwrite]",
     "write every code group of a flash file beside it and list them; a file there that differs\n"
     "      from its copy in the flash file is left as it is (the extraction stops) unless --overwrite is given",
     glyphora::tool::runExtract},
    {"export-bmp", "export-bmp FILE --set N --index I --out FILE.bmp",
     "write one glyph as stored as a BMP of 1 bit per pixel (the width raised to whole bytes)",
     glyphora::tool::runExportBmp},
    {"import-bmp", "import-bmp FILE --set N --index I --in IMAGE.bmp",
     "put a picture at a glyph's top-left corner, clipped to the glyph (which keeps its width), and\n"
     "      save; BMP files only, the tool reads no PNG",
     glyphora::tool::runImportBmp},
    {"export-bdf", "export-bdf FILE --set N --out F.bdf [--descent D]",
     "write a set as a BDF font (D rows of each cell below the baseline, default 0)", glyphora::tool::runExportBdf},
    {"import-bdf", "import-bdf FILE --set N --in F.bdf [--shift K] [--add-missing]",
     "put a BDF font's glyphs into a set (the font moved up K rows) and save; --add-missing adds the\n"
     "      characters of the font the set lacks first",
     glyphora::tool::runImportBdf},
    {"export-png", "export-png FILE --set N --out F.png [--scale S]",
     "a picture of a set's glyphs in rows of 16, S pixels per glyph pixel (default 4)", glyphora::tool::runExportPng},
    {"import-png", "import-png FILE --set N --in F.png [--scale S]",
     "give a set's glyphs the rows of its sheet from export-png, edited or not (widths stay), and save;\n"
     "      the grid is found from the picture (S: its scale); a picture that is not the set's sheet is\n"
     "      refused, and a sheet that changes nothing leaves the file untouched",
     glyphora::tool::runImportPng},
    {"render",
     "render FILE --set N --from I --to J --font NAME (--height H | --fit) [--baseline ROW] [--style CODE]\n"
     "         [--wide cut|shrink] [--trim] [--renderer PATH]",
     "draw glyphs I to J anew from a desktop font (NAME, or a font file's path) and save; H < 0 the\n"
     "      characters' height, H > 0 the cell's; --fit the largest size whose ascent plus descent fits\n"
     "      the set's height; --baseline the row the baseline lands on; CODE 0 regular, 1 italic, 2 bold,\n"
     "      3 bold italic; --wide a glyph drawn wider than 15 pixels cut (default) or squeezed to 15;\n"
     "      --trim each width trimmed to the ink plus one blank column; exit status 1 when a glyph could\n"
     "      not be drawn (the others are saved)",
     glyphora::tool::runRender},
    {"trim", "trim FILE --set N --from I --to J", "trim glyphs I to J to their ink plus one blank column and save",
     glyphora::tool::runTrim},
    {"transform", "transform FILE --set N --from I --to J --op OP",
     "transform glyphs I to J as one step and save; OP flip-h, flip-v, rotate-180, invert, shift-up,\n"
     "      shift-down, bold (widening by one column when ink touches the right edge) or oblique (about\n"
     "      the last row); the glyphs whose ink left them are named on stderr",
     glyphora::tool::runTransform},
    {"add-chars", "add-chars FILE --set N (--from CODE --to CODE | --block NAME | --codes LIST) --width W",
     "add blank glyphs W pixels wide for the codes of the range, the block (\"Russian\") or the list\n"
     "      (\"U+0401 U+0451\", \"А–я, Ё, ё\") the set lacks and save (CODE decimal, 0x... or U+...)",
     glyphora::tool::runAddChars},
    {"remove-chars", "remove-chars FILE --set N --from CODE --to CODE",
     "remove the set's glyphs of the codes of the range and save", glyphora::tool::runRemoveChars},
    {"copy-glyphs", "copy-glyphs FILE --set N --source OTHER --source-set M [--from CODE --to CODE] [--add-missing]",
     "give the glyphs of set N the width and rows of the glyphs of the same codes in set M of OTHER\n"
     "      (a langpack or flash file, only read; rows aligned at the top) and save; --add-missing adds\n"
     "      the codes set N lacks first; prints \"copied N, added M, skipped K\"",
     glyphora::tool::runCopyGlyphs},
    {"diff", "diff A B [--set N]",
     "one line for each set and code in which two langpacks differ; exit status 0 when they are the\n"
     "      same, 1 when they differ, 2 when one cannot be read",
     glyphora::tool::runDiff},
};

void printUsage(std::FILE* out) {
    std::fputs(
        "usage: glyphora-tool COMMAND ARGS...\n"
        "       glyphora-tool --version\n\n"
        "Sets are numbered from 1 as the editor shows them; glyph indices from 0.\n\n"
        "commands:\n",
        out);
    for (const ToolCommand& c : kCommands) {
        std::fprintf(out, "  %s\n      %s\n", c.usage, c.summary);
    }
}

}  // namespace

int main(int argc, char** argv) {
    // Killed in the middle of a batch, it takes the renderer's group with it.
    glyphora::StopRunningProcessesOnSignals();
    const std::vector<std::string> words = glyphora::ProgramArguments(argc, argv);
    if (words.empty()) {
        printUsage(stderr);
        return kExitError;
    }
    const std::string& name = words[0];
    const glyphora::tool::Words args(words.begin() + 1, words.end());
    if (name == "--version") {
        std::printf("glyphora-tool %s\n", GLYPHORA_VERSION);
        return kExitOk;
    }
    if (name == "help" || name == "--help" || name == "-h") {
        printUsage(stdout);
        return kExitOk;
    }
    for (const ToolCommand& c : kCommands) {
        if (name == c.name) {
            const int status = c.run(args);
            if (status != kExitUsage) {
                return status;
            }
            std::fprintf(stderr, "usage: glyphora-tool %s\n", c.usage);
            return kExitError;
        }
    }
    std::fprintf(stderr, "glyphora-tool: unknown command '%s'\n\n", name.c_str());
    printUsage(stderr);
    return kExitError;
}
