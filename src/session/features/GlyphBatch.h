// What the batches over a range of glyphs share ("Replace the chosen
// symbols", "Optimize the chosen symbols on width", glyphora-tool's render and
// trim): the range, the callbacks through which a batch stores each glyph and
// reports its progress, and what it reports at its end.
#pragma once

#include <Langpack.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace glyphora {

// Glyph indices of one set, both included; nothing when to < from.
struct GlyphRange {
    int from = 0;
    int to = -1;
};

// A glyph the batch went through without changing it, and why.
struct GlyphFailure {
    int glyph = 0;
    uint16_t code = 0;
    std::string reason;
};

struct BatchResult {
    int total = 0;    // glyphs in the range
    int done = 0;     // glyphs gone through
    int changed = 0;  // glyphs stored: replaced, or of a new width
    std::vector<GlyphFailure> failed;
    // The glyph at which the batch ended before the end of its range, and
    // why (the glyphs stored before it stay).
    std::optional<GlyphFailure> stopped;
    bool cancelled = false;
    // Glyphs stored with part of their ink lost (past the widest glyph,
    // above or below the set).
    std::vector<int> cut;
    // The em sizes the renderer drew with, when it told (a fit may choose
    // another for some glyphs); 0 when it did not.
    int pixelSizeLeast = 0;
    int pixelSizeMost = 0;
    void notePixelSize(int size) {
        if (size <= 0) return;
        pixelSizeLeast = pixelSizeLeast > 0 ? std::min(pixelSizeLeast, size) : size;
        pixelSizeMost = std::max(pixelSizeMost, size);
    }
};

// Stores glyph `glyph` of the set with this width and rows (memory form); the
// set keeps its glyphs (their count and codes) meanwhile.
using GlyphStore = std::function<void(int glyph, uint8_t width, const std::vector<uint8_t>& rows)>;
// After each glyph: `done` of `total`; false stops the batch (the user cancelled).
// A batch stores its glyphs only through its GlyphStore: a caller that keeps
// a history of changes wraps the whole batch there as one step.
using BatchProgress = std::function<bool(int done, int total)>;

// The part of the range that lies in a set of `count` glyphs.
inline GlyphRange ClampRange(GlyphRange range, int count) {
    if (range.from < 0) range.from = 0;
    if (range.to > count - 1) range.to = count - 1;
    return range;
}

}  // namespace glyphora
