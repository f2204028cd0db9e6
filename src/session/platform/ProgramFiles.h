// Where the program finds the files it ships with. Beside the executable
// first (files/Runecast and Languages/: the layout of the build tree and of a
// program folder copied whole), then the installed places relative to it
// (<prefix>/bin/glyphora -> <prefix>/libexec/glyphora/Runecast and
// <prefix>/share/glyphora/Languages), so a package unpacked anywhere works.
#pragma once

#include <Error.h>

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

// A folder in which the renderer may leave its temp.bmp. The renderer's own
// folder when it can be written (files/ beside the executable); otherwise a
// private folder of this run, removed with this object, with a link to the
// renderer in it. Either way the renderer is started as program() and finds
// its bitmap beside itself.
class RendererFolder {
public:
    // `alwaysPrivate`: a folder of this run's even when the renderer's own
    // could be written, so two runs never take each other's bitmap.
    static Result<RendererFolder> For(const std::string& renderer, bool alwaysPrivate = false);
    RendererFolder(RendererFolder&& other) noexcept;
    RendererFolder& operator=(RendererFolder&&) = delete;
    ~RendererFolder();

    const std::string& program() const { return program_; }

private:
    RendererFolder(std::string program, std::string privateFolder)
        : program_(std::move(program)), privateFolder_(std::move(privateFolder)) {}
    std::string program_;
    std::string privateFolder_;  // empty: the renderer's own folder is used
};

}  // namespace glyphora
