#include "ProgramFiles.h"

#include "RendererCall.h"

#include <FileLayer.h>
#include <Utf8Path.h>

#ifndef _WIN32
#include <unistd.h>
#endif
#include <cstdlib>
#include <filesystem>
#include <random>

namespace glyphora {

namespace fs = std::filesystem;

namespace {

std::string Folder(const fs::path& p) { return Utf8FromPath(p.lexically_normal()) + "/"; }

bool Exists(const std::string& path) {
    std::error_code ec;
    return fs::exists(PathFromUtf8(path), ec);
}

bool Writable(const fs::path& folder) {
#ifdef _WIN32
    // No access(W_OK) worth the name: a file made and removed tells.
    const std::string probe = Utf8FromPath(folder.empty() ? fs::path(".") : folder) + "/.glyphora-probe";
    Result<WriteHandle> made = WriteHandle::Create(probe);
    if (!made) return false;
    (void)made->close();
    return static_cast<bool>(RemoveFile(probe));
#else
    return ::access(folder.empty() ? "." : folder.c_str(), W_OK) == 0;
#endif
}

// A new folder of this run's under base; the name's last part is random.
Result<std::string> MakePrivateFolder(const fs::path& base) {
#ifdef _WIN32
    static thread_local std::mt19937_64 random{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path folder = base / ("glyphora-render." + std::to_string(random() % 1000000000000ull));
        std::error_code ec;
        if (fs::create_directory(folder, ec)) return Utf8FromPath(folder);
    }
#else
    std::string pattern = (base / "glyphora-render.XXXXXX").string();
    if (::mkdtemp(pattern.data())) return pattern;
#endif
    return MakeError(ErrorKind::Io, "cannot make a folder for the renderer in " + Utf8FromPath(base));
}

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

Result<RendererFolder> RendererFolder::For(const std::string& renderer, bool alwaysPrivate) {
    const fs::path own = PathFromUtf8(renderer).parent_path();
    if (!alwaysPrivate && Writable(own)) return RendererFolder(renderer, {});

    const char* tmp = std::getenv("TMPDIR");
    const fs::path base = tmp && *tmp ? PathFromUtf8(tmp) : fs::temp_directory_path();
    Result<std::string> made = MakePrivateFolder(base);
    if (!made) return made.error();
    const std::string pattern = *made;
    RendererFolder folder(RunecastPath(pattern + "/"), pattern);
    std::error_code ec;
    fs::create_directories(PathFromUtf8(folder.program_).parent_path(), ec);
#ifdef _WIN32
    // A symbolic link needs a privilege most users lack: a copy does.
    if (!ec) fs::copy_file(fs::absolute(PathFromUtf8(renderer), ec), PathFromUtf8(folder.program_), ec);
#else
    if (!ec) fs::create_symlink(fs::absolute(PathFromUtf8(renderer), ec), PathFromUtf8(folder.program_), ec);
#endif
    if (ec) return MakeError(ErrorKind::Io, "cannot link the renderer into " + pattern + ": " + ec.message());
    return folder;
}

RendererFolder::RendererFolder(RendererFolder&& other) noexcept
    : program_(std::move(other.program_)), privateFolder_(std::move(other.privateFolder_)) {
    other.privateFolder_.clear();
}

RendererFolder::~RendererFolder() {
    std::error_code ec;
    if (!privateFolder_.empty()) fs::remove_all(PathFromUtf8(privateFolder_), ec);
}

}  // namespace glyphora
