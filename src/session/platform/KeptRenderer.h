// The renderer of a window that draws again and again (the Generate window's
// preview after each change, then its Apply): one scratch folder and one
// program for all its jobs, and the glyphs drawn remembered, while the
// program file and the time limit stay what they were. Replacing the
// program (a new build, another path) starts afresh.
#pragma once

#include "GlyphRenderers.h"
#include "RememberedDrawings.h"

#include <FileAnswerMemo.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>

namespace glyphora {

class KeptRenderer {
public:
    KeptRenderer() = default;
    KeptRenderer(const KeptRenderer&) = delete;
    KeptRenderer& operator=(const KeptRenderer&) = delete;
    ~KeptRenderer() { release(); }

    // The renderer at `rendererPath`, started when it is not running yet or
    // its file changed.
    Result<GlyphRenderer*> renderer(const std::string& rendererPath, std::chrono::milliseconds timeout);
    // The program ends and its folder goes (the window closed).
    void release();

private:
    std::string path_;
    std::optional<FileStamp> stamp_;
    std::chrono::milliseconds timeout_{0};
    std::optional<RendererRun> run_;
    std::unique_ptr<RememberedDrawings> drawings_;
};

}  // namespace glyphora
