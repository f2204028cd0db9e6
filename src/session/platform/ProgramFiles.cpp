#include "ProgramFiles.h"

#include "RendererCall.h"

#include <FileLayer.h>
#include <FileLeftovers.h>
#include <SystemPaths.h>
#include <Utf8Path.h>

#include <cstdlib>
#include <filesystem>

namespace glyphora {

namespace fs = std::filesystem;

namespace {

std::string Folder(const fs::path& p) { return Utf8FromPath(p.lexically_normal()) + "/"; }

bool Exists(const std::string& path) {
    std::error_code ec;
    return fs::exists(PathFromUtf8(path), ec);
}

constexpr std::string_view kRenderFolderPrefix = "glyphora-render-";

}  // namespace

std::string FindRenderer(const std::string& programDir) {
    const fs::path dir = PathFromUtf8(programDir);
    const std::string candidates[] = {
        RunecastPath(programDir),
        // Installed: <prefix>/bin -> <prefix>/libexec/glyphora/Runecast.
        Utf8FromPath((dir / ".." / "libexec" / "glyphora" / "Runecast").lexically_normal()),
        // A tool in the build tree: build/tools/glyphora-tool -> build/src/app/files.
        RunecastPath(Folder(dir / ".." / ".." / "src" / "app")),
    };
    for (const std::string& c : candidates)
        if (Exists(c)) return c;
    return candidates[0];
}

std::string FindLanguagesFolder(const std::string& programDir) {
    const fs::path dir = PathFromUtf8(programDir);
    std::string beside = programDir + "Languages";
    std::string installed = Utf8FromPath((dir / ".." / "share" / "glyphora" / "Languages").lexically_normal());
    if (!Exists(beside) && Exists(installed)) return installed;
    return beside;
}

bool IsInstalledLayout(const std::string& programDir) {
    const fs::path dir = PathFromUtf8(programDir).lexically_normal();
    const fs::path name = dir.has_filename() ? dir.filename() : dir.parent_path().filename();
    return name == "bin" &&
           Exists(Utf8FromPath((PathFromUtf8(programDir) / ".." / "share" / "glyphora").lexically_normal()));
}

Result<RendererFolder> RendererFolder::For(const std::string& renderer) {
    const char* tmp = std::getenv("TMPDIR");
    std::error_code ec;
    const fs::path base = tmp && *tmp ? PathFromUtf8(tmp) : fs::temp_directory_path(ec);
    RemoveLeftoversOfEndedProcesses(Utf8FromPath(base), RendererFolderOwner);
    const std::string stem = std::string(kRenderFolderPrefix) + std::to_string(CurrentProcessId()) + "-";
    Result<std::string> made = MakePrivateFolder(Utf8FromPath(base), stem, "the renderer");
    if (!made) return made.error();
    const std::string pattern = *made;
    const fs::path program = fs::absolute(PathFromUtf8(renderer), ec);
    RendererFolder folder(Utf8FromPath(program), pattern);
    // files/ as beside the editor, for a renderer that knows only that layout.
    if (!ec) fs::create_directory(PathFromUtf8(folder.folder_), ec);
    if (ec) return MakeError(ErrorKind::Io, "cannot make the renderer's folder in " + pattern + ": " + ec.message());
    return folder;
}

long RendererFolderOwner(std::string_view name) { return ProcessIdAfter(name, kRenderFolderPrefix); }

RendererFolder::RendererFolder(std::string program, std::string privateFolder)
    : program_(std::move(program)),
      privateFolder_(std::move(privateFolder)),
      folder_(privateFolder_ + "/files"),
      removedOnSignal_(std::make_unique<RemovedOnSignal>(
          std::vector<std::string>{folder_ + "/" + kRendererBitmap, folder_, privateFolder_})) {}

RendererFolder::RendererFolder(RendererFolder&& other) noexcept
    : program_(std::move(other.program_)),
      privateFolder_(std::move(other.privateFolder_)),
      folder_(std::move(other.folder_)),
      removedOnSignal_(std::move(other.removedOnSignal_)) {
    other.privateFolder_.clear();
}
RendererFolder::~RendererFolder() {
    std::error_code ec;
    if (!privateFolder_.empty()) fs::remove_all(PathFromUtf8(privateFolder_), ec);
}

}  // namespace glyphora
