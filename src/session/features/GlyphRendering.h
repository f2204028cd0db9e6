// Glyphs drawn anew from a desktop font, without windows: a GlyphRenderer
// draws the characters of a range ("Replace the chosen symbols", the Generate
// window, glyphora-tool render), PlaceGlyph fits each picture into the set
// (baseline row, glyphs wider than 15, trimmed widths) and RenderGlyphs stores
// them.
#pragma once

#include "GlyphBatch.h"
#include "GlyphRenderers.h"

#include <GlyphPlacement.h>

namespace glyphora {

// What Generate asks: a font, fit or not, and the placement; plain
// "Replace the chosen symbols" is the default placement.
struct GenerateOptions {
    RenderFont font;
    bool fit = false;
    GlyphPlacement placement;
};

// Draws the glyphs `which` (indices into `glyphs`, in order) and stores each
// as it comes (glyphs whose ink was cut are named in result.cut). Stops at an
// error that ends the batch, or when `progress` says so. keepGoing is asked
// while the renderer works on a glyph; false stops it at once.
BatchResult RenderGlyphs(const std::vector<Symbols>& glyphs, const std::vector<int>& which,
                         const GenerateOptions& options, GlyphRenderer& renderer, const GlyphStore& store,
                         const BatchProgress& progress = {}, const KeepGoing& keepGoing = {});

// The glyphs of a range, as "Replace the chosen symbols" draws them.
std::vector<int> RangeIndices(GlyphRange range, int count);

}  // namespace glyphora
