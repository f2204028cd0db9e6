// render FILE --set N --from I --to J --font NAME --height H [--style CODE]
// [--renderer PATH]: the glyphs I to J of set N drawn anew by the renderer
// program, as "Replace the chosen symbols" does, then saved.
#include "Commands.h"
#include "GlyphRangeArguments.h"
#include "ToolSupport.h"

#include <GlyphRendering.h>
#include <LangpackEdit.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace glyphora::tool {

namespace {

namespace fs = std::filesystem;

// Where the renderer lies when --renderer is not given; the one place that
// knows. files/Runecast beside this executable (the editor's folder, where an
// installation puts both), else the build tree's: two folders up from
// tools/glyphora-tool/ lies src/app/files/Runecast.
Result<std::string> DefaultRendererPath() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return MakeError(ErrorKind::Missing, "cannot tell where glyphora-tool lies (" + ec.message() +
                                                     "); name the renderer with --renderer PATH");
    const fs::path folder = self.parent_path();
    const std::string beside = RunecastPath(folder.string() + "/");
    const std::string inBuild = RunecastPath((folder / ".." / ".." / "src" / "app").lexically_normal().string() + "/");
    for (const std::string& candidate : {beside, inBuild})
        if (::access(candidate.c_str(), X_OK) == 0) return candidate;
    return MakeError(ErrorKind::Missing, "no renderer at " + beside + " or " + inBuild +
                                             "; name it with --renderer PATH");
}

// The renderer runs in a folder of its own, where it leaves temp.bmp: a
// folder of this run's, so that two runs (or a run and the editor) never take
// each other's bitmap. The program is reached there through a link, as
// files/Runecast beside the editor is.
class PrivateRendererFolder {
public:
    static Result<PrivateRendererFolder> Make(const std::string& renderer) {
        const fs::path base = std::getenv("TMPDIR") ? fs::path(std::getenv("TMPDIR")) : fs::path("/tmp");
        std::string pattern = (base / "glyphora-render.XXXXXX").string();
        if (!::mkdtemp(pattern.data())) return MakeError(ErrorKind::Io, "cannot make a folder in " + base.string());
        PrivateRendererFolder folder(pattern);
        std::error_code ec;
        fs::create_directory(fs::path(folder.program()).parent_path(), ec);
        if (!ec) fs::create_symlink(fs::absolute(renderer, ec), folder.program(), ec);
        if (ec) return MakeError(ErrorKind::Io, "cannot link the renderer into " + pattern + ": " + ec.message());
        return folder;
    }
    PrivateRendererFolder(PrivateRendererFolder&& o) noexcept : path_(std::move(o.path_)) { o.path_.clear(); }
    PrivateRendererFolder& operator=(PrivateRendererFolder&&) = delete;
    ~PrivateRendererFolder() {
        std::error_code ec;
        if (!path_.empty()) fs::remove_all(path_, ec);
    }
    std::string program() const { return RunecastPath(path_ + "/"); }

private:
    explicit PrivateRendererFolder(std::string path) : path_(std::move(path)) {}
    std::string path_;
};

std::string CodeName(uint16_t code) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(code));
    return text;
}

}  // namespace

int runRender(const Words& args) {
    std::string file;
    SetRange range;
    int height = 0;
    int style = 0;
    const auto parsed = ParseFileArguments(args,
                                           {{"set", "N"}, {"from", "I"}, {"to", "J"}, {"font", "NAME"},
                                            {"height", "H"}, {"style", "CODE"}, {"renderer", "PATH"}},
                                           file);
    if (!parsed || !ReadSetRange(*parsed, range) || !IntegerOption(*parsed, "height", -1000, 1000, height))
        return kExitUsage;
    if (height == 0) {
        std::fprintf(stderr, "glyphora-tool: --height must not be 0 (negative: the characters' height, positive: "
                             "the cell's)\n");
        return kExitUsage;
    }
    if (parsed->isSet("style") && !IntegerOption(*parsed, "style", 0, 3, style)) return kExitUsage;
    RenderFont font;
    font.name = parsed->value("font");
    if (font.name.empty()) {
        std::fprintf(stderr, "glyphora-tool: --font is missing\n");
        return kExitUsage;
    }
    font.height = height;
    font.italic = style == 1 || style == 3;
    font.bold = style == 2 || style == 3;

    Result<std::string> renderer =
        parsed->isSet("renderer") ? Result<std::string>(parsed->value("renderer")) : DefaultRendererPath();
    if (!renderer) return Report(renderer.error());
    if (::access(renderer->c_str(), X_OK) != 0) {
        std::fprintf(stderr, "glyphora-tool: the renderer %s is not a program that can be run\n", renderer->c_str());
        return kExitError;
    }

    std::optional<LangpackDocument> doc;
    if (const int status = OpenRangeForEdit(file, range, doc); status != kExitOk) return status;
    Result<PrivateRendererFolder> folder = PrivateRendererFolder::Make(*renderer);
    if (!folder) return Report(folder.error());

    const int setIndex = range.setNumber - 1;
    TLangpack& lp = doc->langpack();
    RunecastRenderer runecast(folder->program(), font);
    const BatchResult result =
        RenderGlyphs(lp.SymbolTable[static_cast<std::size_t>(setIndex)], range.glyphs,
                     lp.FontSetTable[static_cast<std::size_t>(setIndex)].Height, runecast,
                     [&](int glyph, uint8_t width, std::vector<uint8_t> rows) {
                         StoreGlyph(lp, setIndex, glyph, width, std::move(rows));
                     });
    for (const GlyphFailure& f : result.failed)
        PrintFileError(doc->path(), "glyph " + std::to_string(f.glyph) + " (" + CodeName(f.code) +
                                        ") not replaced: " + f.reason);
    if (result.stopped)
        PrintFileError(doc->path(), "stopped at glyph " + std::to_string(result.stopped->glyph) + " (" +
                                        CodeName(result.stopped->code) + "): " + result.stopped->reason);
    if (result.changed > 0)
        if (const int status = SaveLangpack(*doc); status != kExitOk) return status;
    std::printf("%d of %d glyphs replaced\n", result.changed, result.total);
    return result.failed.empty() && !result.stopped ? kExitOk : kExitError;
}

}  // namespace glyphora::tool
