// Where the program finds the files it ships with. Beside the executable
// first (files/Runecast and Languages/: the layout of the build tree and of a
// program folder copied whole), then the installed places relative to it
// (<prefix>/bin/glyphora -> <prefix>/libexec/glyphora/Runecast and
// <prefix>/share/glyphora/Languages), so a package unpacked anywhere works.
#pragma once

#include <Error.h>
#include <Process.h>

#include <memory>
#include <string>

namespace glyphora {

// The renderer program; the first candidate that exists, or the one beside
// the executable when none does (so a message names the usual place).
std::string FindRenderer(const std::string& programDir);

// The folder of the interface-language files ("Load" opens there).
std::string FindLanguagesFolder(const std::string& programDir);

// The executable lies in an installed layout (<prefix>/bin with
// <prefix>/share/glyphora): its folder is no place for a settings file.
bool IsInstalledLayout(const std::string& programDir);

// What a renderer leaves in its current folder.
inline constexpr const char* kRendererBitmap = "temp.bmp";

// The private scratch folder of one batch, in which the renderer is started
// and leaves its temp.bmp: <tmp>/glyphora-render-PID-XXXXXX/files (made with
// mkdtemp, so only this run can write there), removed with this object, and
// by the handlers of StopRunningProcessesOnSignals when the run is
// interrupted. Those of runs that ended otherwise (killed) go when the next
// one is made. Two batches, of one editor or of two, never see each other's
// bitmap, and the folder the renderer lies in is never written.
class RendererFolder {
public:
    static Result<RendererFolder> For(const std::string& renderer);
    RendererFolder(RendererFolder&& other) noexcept;
    RendererFolder& operator=(RendererFolder&&) = delete;
    ~RendererFolder();

    // The renderer's path, made whole (it starts in another folder).
    const std::string& program() const { return program_; }
    // Its current folder, where temp.bmp is.
    const std::string& folder() const { return folder_; }

private:
    RendererFolder(std::string program, std::string privateFolder);
    std::string program_;
    std::string privateFolder_;
    std::string folder_;
    std::unique_ptr<RemovedOnSignal> removedOnSignal_;
};

// The process id in the name of a renderer's scratch folder, or 0.
long RendererFolderOwner(std::string_view name);

}  // namespace glyphora
