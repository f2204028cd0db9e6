// render FILE --set N --from I --to J --font NAME (--height H | --fit)
// [--baseline ROW] [--style CODE] [--wide cut|shrink] [--trim] [--renderer PATH]:
// the glyphs I to J of set N drawn anew by the renderer program, as "Replace
// the chosen symbols" and the Generate window do (one start for the range
// when the renderer can; the Generate window's placement of wide glyphs and
// its trimmed widths), then saved.
#include "Commands.h"
#include "GlyphRangeArguments.h"
#include "ToolSession.h"
#include "ToolSupport.h"

#include <GlyphGeneration.h>
#include <GlyphRendering.h>
#include <HexText.h>
#include <ProgramFiles.h>
#include <ProgramPlace.h>
#include <SystemPaths.h>
#include <Utf8Path.h>

#include <cstdio>
#include <cstdlib>

namespace glyphora::tool {

namespace {

// Where the renderer lies when --renderer is not given: where the editor
// beside this executable (or the installed one, or the build tree's) finds it.
Result<std::string> DefaultRendererPath() {
    Result<std::string> folder = ExecutableFolder();
    if (!folder)
        return MakeError(ErrorKind::Missing, folder.error().message + "; name the renderer with --renderer PATH");
    return FindRenderer(*folder);
}

}  // namespace

int runRender(const Words& args) {
    std::string file;
    SetRange range;
    int height = 0;
    int style = 0;
    int baseline = 0;
    const auto parsed = ParseFileArguments(args,
                                           {{"set", "N"},
                                            {"from", "I"},
                                            {"to", "J"},
                                            {"font", "NAME"},
                                            {"height", "H"},
                                            {"fit", ""},
                                            {"baseline", "ROW"},
                                            {"style", "CODE"},
                                            {"wide", "cut|shrink"},
                                            {"trim", ""},
                                            {"renderer", "PATH"}},
                                           file);
    if (!parsed || !ReadSetRange(*parsed, range)) return kExitUsage;
    const bool fit = parsed->isSet("fit");
    if (!fit || parsed->isSet("height")) {
        if (!IntegerOption(*parsed, "height", -1000, 1000, height)) return kExitUsage;
        if (height == 0) {
            std::fprintf(stderr,
                         "glyphora-tool: --height must not be 0 (negative: the characters' height, positive: "
                         "the cell's)\n");
            return kExitUsage;
        }
    }
    if (parsed->isSet("baseline") && !IntegerOption(*parsed, "baseline", 0, 255, baseline)) return kExitUsage;
    if (parsed->isSet("style") && !IntegerOption(*parsed, "style", 0, 3, style)) return kExitUsage;
    const std::string wide = parsed->isSet("wide") ? parsed->value("wide") : "cut";
    if (wide != "cut" && wide != "shrink") {
        std::fprintf(stderr, "glyphora-tool: --wide must be cut or shrink, not '%s'\n", wide.c_str());
        return kExitUsage;
    }
    GenerateOptions options;
    RenderFont& font = options.font;
    if (!RequiredOption(*parsed, "font", font.name)) return kExitUsage;
    if (Status named = CheckFontName(font); !named) return Report(named.error());
    font.height = height != 0 ? height : -1;
    font.italic = style == 1 || style == 3;
    font.bold = style == 2 || style == 3;
    options.fit = fit;
    if (parsed->isSet("baseline")) options.placement.baseline = baseline;
    options.placement.wide = wide == "shrink" ? WideGlyphs::Shrink : WideGlyphs::Cut;
    options.placement.trim = parsed->isSet("trim");

    Result<std::string> renderer =
        parsed->isSet("renderer") ? Result<std::string>(parsed->value("renderer")) : DefaultRendererPath();
    if (!renderer) return Report(renderer.error());
    if (!IsProgramFile(*renderer)) {
        std::fprintf(stderr,
                     "glyphora-tool: the renderer %s is not a program that can be run; name it with --renderer PATH\n",
                     renderer->c_str());
        return kExitError;
    }

    std::optional<LangpackDocument> doc;
    if (const int status = OpenRangeForEdit(file, range, doc); status != kExitOk) return status;
    ToolSession tool;
    if (const int status = tool.open(file, range.setNumber); status != kExitOk) return status;
    GlyphGeneration generation(tool.session());
    generation.setRendererPath(*renderer);
    const std::vector<Symbols>& glyphs = tool.session().langpack()->glyphs(range.setNumber - 1);
    const BatchResult result =
        generation.Generate(options, RangeIndices(range.glyphs, static_cast<int>(glyphs.size())));
    for (const GlyphFailure& f : result.failed)
        PrintFileError(file,
                       "glyph " + std::to_string(f.glyph) + " (" + CodeName(f.code) + ") not replaced: " + f.reason);
    for (int g : result.cut)
        PrintFileError(file, "glyph " + std::to_string(g) + " (" + CodeName(glyphs[static_cast<std::size_t>(g)].Code) +
                                 ") lost ink past column 15 or outside the set's rows");
    if (result.stopped)
        PrintFileError(file, "stopped at glyph " + std::to_string(result.stopped->glyph) + " (" +
                                 CodeName(result.stopped->code) + "): " + result.stopped->reason);
    // A batch that replaced nothing leaves the file as it was.
    if (result.changed > 0)
        if (const int status = tool.save(); status != kExitOk) return status;
    std::printf("%d of %d glyphs replaced", result.changed, result.total);
    if (fit && result.pixelSizeMost > 0) {
        if (result.pixelSizeLeast == result.pixelSizeMost)
            std::printf(" (fitted: %d pixels)", result.pixelSizeMost);
        else
            std::printf(" (fitted: %d\u2013%d pixels)", result.pixelSizeLeast, result.pixelSizeMost);
    }
    std::printf("\n");
    return result.failed.empty() && !result.stopped ? kExitOk : kExitError;
}

}  // namespace glyphora::tool
