#include "RememberedDrawings.h"

namespace glyphora {

void RememberedDrawings::drawAll(const RenderJob& job, const RenderedSink& take, const KeepGoing& keepGoing) {
    std::vector<std::string> font = RendererParameters(job.font, 0);
    if (font != font_ || job.fitRows != fitRows_) {
        drawn_.clear();
        font_ = std::move(font);
        fitRows_ = job.fitRows;
    }
    std::size_t next = 0;
    // Everything remembered from `next` on, up to the first code that is not.
    const auto handOver = [&] {
        for (; next < job.codes.size(); ++next) {
            const auto found = drawn_.find(job.codes[next]);
            if (found == drawn_.end()) return;
            take(next, found->second);
        }
    };
    handOver();
    RenderJob missing{job.font, job.fitRows, {}};
    std::vector<std::size_t> at;
    for (std::size_t i = next; i < job.codes.size(); ++i) {
        if (drawn_.count(job.codes[i]) != 0) continue;
        missing.codes.push_back(job.codes[i]);
        at.push_back(i);
    }
    if (missing.codes.empty()) return;
    renderer_.drawAll(
        missing,
        [&](std::size_t k, Result<RenderedGlyph> glyph) {
            if (glyph) {
                drawn_[missing.codes[k]] = *glyph;
            } else if (next == at[k]) {
                take(next++, std::move(glyph));
            }
            handOver();
        },
        keepGoing);
}

}  // namespace glyphora
