#include "ProgramFiles.h"

#include "RendererCall.h"

#include <unistd.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace glyphora {

namespace fs = std::filesystem;

namespace {

std::string Folder(const fs::path& p) { return p.lexically_normal().string() + "/"; }

bool Exists(const std::string& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

}  // namespace

std::string FindRenderer(const std::string& programDir) {
    const fs::path dir(programDir);
    const std::string candidates[] = {
        RunecastPath(programDir),
        // Installed: <prefix>/bin -> <prefix>/libexec/glyphora/Runecast.
        (dir / ".." / "libexec" / "glyphora" / "Runecast").lexically_normal().string(),
        // A tool in the build tree: build/tools/glyphora-tool -> build/src/app/files.
        RunecastPath(Folder(dir / ".." / ".." / "src" / "app")),
    };
    for (const std::string& c : candidates)
        if (Exists(c)) return c;
    return candidates[0];
}

std::string FindLanguagesFolder(const std::string& programDir) {
    const fs::path dir(programDir);
    std::string beside = programDir + "Languages";
    std::string installed = (dir / ".." / "share" / "glyphora" / "Languages").lexically_normal().string();
    if (!Exists(beside) && Exists(installed)) return installed;
    return beside;
}

bool IsInstalledLayout(const std::string& programDir) {
    const fs::path dir = fs::path(programDir).lexically_normal();
    const fs::path name = dir.has_filename() ? dir.filename() : dir.parent_path().filename();
    return name == "bin" && Exists((fs::path(programDir) / ".." / "share" / "glyphora").lexically_normal().string());
}

Result<RendererFolder> RendererFolder::For(const std::string& renderer) {
    const char* tmp = std::getenv("TMPDIR");
    std::error_code ec;
    const fs::path base = tmp && *tmp ? fs::path(tmp) : fs::temp_directory_path(ec);
    std::string pattern = (base / "glyphora-render.XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        return MakeError(ErrorKind::Io,
                         "cannot make a folder for the renderer in " + base.string() + ": " + std::strerror(errno));
    const fs::path program = fs::absolute(renderer, ec);
    RendererFolder folder(program.string(), pattern);
    // files/ as beside the editor, for a renderer that knows only that layout.
    if (!ec) fs::create_directory(folder.folder_, ec);
    if (ec) return MakeError(ErrorKind::Io, "cannot make the renderer's folder in " + pattern + ": " + ec.message());
    return folder;
}

RendererFolder::RendererFolder(RendererFolder&& other) noexcept
    : program_(std::move(other.program_)),
      privateFolder_(std::move(other.privateFolder_)),
      folder_(std::move(other.folder_)) {
    other.privateFolder_.clear();
}
RendererFolder::~RendererFolder() {
    std::error_code ec;
    if (!privateFolder_.empty()) fs::remove_all(privateFolder_, ec);
}

}  // namespace glyphora
