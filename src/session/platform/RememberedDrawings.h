// A renderer that remembers what it drew: the Generate window asks for the
// same characters in the same font after every change of its options, and
// most changes (the baseline, the widths, the range, the sample text) need
// no glyph drawn again. Only the drawings of the last font and fit are kept;
// a glyph that failed is asked again next time (a renderer that ran too long
// may draw it then).
#pragma once

#include "GlyphRenderers.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace glyphora {

class RememberedDrawings : public GlyphRenderer {
public:
    explicit RememberedDrawings(GlyphRenderer& renderer) : renderer_(renderer) {}
    // The codes drawn before are handed over at once, the others drawn in one
    // job of the renderer; all in the job's order.
    void drawAll(const RenderJob& job, const RenderedSink& take, const KeepGoing& keepGoing) override;
    bool tellsBaseline() const override { return renderer_.tellsBaseline(); }

private:
    GlyphRenderer& renderer_;
    // What the renderer is told besides the code: the same words, the same drawing.
    std::vector<std::string> font_;
    int fitRows_ = 0;
    std::map<uint16_t, RenderedGlyph> drawn_;
};

}  // namespace glyphora
