#include "GlyphRendering.h"

#include <GlyphRows.h>

namespace glyphora {

std::vector<int> RangeIndices(GlyphRange range, int count) {
    range = ClampRange(range, count);
    std::vector<int> which;
    for (int g = range.from; g <= range.to; ++g) which.push_back(g);
    return which;
}

BatchResult RenderGlyphs(const std::vector<Symbols>& glyphs, const std::vector<int>& which,
                         const GenerateOptions& options, GlyphRenderer& renderer, const GlyphStore& store,
                         const BatchProgress& progress, const KeepGoing& keepGoing) {
    BatchResult result;
    const int total = result.total = static_cast<int>(which.size());
    if (options.placement.baseline && !renderer.tellsBaseline() && total > 0) {
        const int g = which.front();
        result.stopped = GlyphFailure{g, glyphs[static_cast<std::size_t>(g)].Code,
                                      "the renderer draws one glyph per start and does not tell where the baseline "
                                      "lies; leave the baseline to the font"};
        return result;
    }
    RenderJob job;
    job.font = options.font;
    job.fitRows = options.fit ? options.placement.height : 0;
    for (int g : which) job.codes.push_back(glyphs[static_cast<std::size_t>(g)].Code);

    bool stop = false;
    const RenderedSink take = [&](std::size_t i, Result<RenderedGlyph> drawn) {
        if (stop) return;
        const int g = which[i];
        const uint16_t code = job.codes[i];
        if (!drawn && drawn.error().kind != ErrorKind::Failed) {
            result.stopped = GlyphFailure{g, code, drawn.error().message};
            stop = true;
            return;
        }
        ++result.done;
        if (drawn) {
            const PlacedGlyph placed = PlaceGlyph(drawn->image, drawn->ascent, options.placement);
            if (placed.cut) result.cut.push_back(g);
            result.notePixelSize(drawn->pixelSize);
            store(g, static_cast<uint8_t>(placed.picture.width),
                  GlyphImageToRows(placed.picture.image, placed.picture.width, options.placement.height));
            ++result.changed;
        } else {
            result.failed.push_back({g, code, drawn.error().message});
        }
        if (progress && !progress(result.done, total)) {
            result.cancelled = result.done < total;
            stop = true;
        }
    };
    renderer.drawAll(job, take, [&] {
        if (stop) return false;
        if (keepGoing && !keepGoing()) {
            result.cancelled = true;
            stop = true;
        }
        return !stop;
    });
    return result;
}

}  // namespace glyphora
