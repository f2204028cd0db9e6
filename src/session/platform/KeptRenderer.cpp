#include "KeptRenderer.h"

namespace glyphora {

Result<GlyphRenderer*> KeptRenderer::renderer(const std::string& rendererPath, std::chrono::milliseconds timeout) {
    const std::optional<FileStamp> stamp = StampOf(rendererPath);
    if (run_ && (rendererPath != path_ || !stamp || stamp != stamp_ || timeout != timeout_)) release();
    if (!run_) {
        Result<RendererRun> run = RendererRun::Start(rendererPath, timeout);
        if (!run) return run.error();
        run_.emplace(std::move(*run));
        drawings_ = std::make_unique<RememberedDrawings>(run_->renderer());
        path_ = rendererPath;
        stamp_ = stamp;
        timeout_ = timeout;
    }
    return static_cast<GlyphRenderer*>(drawings_.get());
}

void KeptRenderer::release() {
    drawings_.reset();
    run_.reset();
}

}  // namespace glyphora
