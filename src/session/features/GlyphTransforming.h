// Edit -> "Transform": one transform of the working glyph on the canvas (an
// edit Undo takes back, as the shifts are), or of every glyph chosen in the
// glyph grid as one step of the langpack history; glyphora-tool's transform
// runs the same batch.
#pragma once

#include "GlyphBatch.h"
#include "Session.h"

#include <GlyphTransforms.h>

#include <optional>
#include <string>

namespace glyphora {

class GlyphTransforming {
public:
    explicit GlyphTransforming(Session& session) : session_(session) {}

    // The glyphs from..to (0-based, both included) chosen in the grid: more
    // than one are transformed as a batch, else the working glyph on the
    // canvas. Ink dropped is told: in the status bar for the glyph on the
    // canvas, in a message for a batch.
    void TransformChosen(GlyphTransform transform, int from, int to, std::optional<int> baselineRow);
    // The working glyph (or its floating selection) on the canvas; the ink
    // pixels dropped, or nothing when no glyph is shown.
    std::optional<int> TransformWorking(GlyphTransform transform, std::optional<int> baselineRow);
    // The glyphs of the range in the current set, as one step, after "Save
    // the current symbol?" (nothing gone through when it is cancelled).
    // `cut` names the glyphs that lost ink.
    BatchResult TransformGlyphs(GlyphTransform transform, GlyphRange range, std::optional<int> baselineRow);

private:
    Session& session_;
};

// What the window and the tool say of the ink a transform dropped:
// "Oblique: 3 ink pixels left the glyph and were dropped." for one glyph,
// "Oblique: ink left 2 glyphs and was dropped: U+0041, U+0042." for a batch.
std::string InkDroppedText(GlyphTransform transform, int pixels);
std::string InkDroppedText(GlyphTransform transform, const TLangpack& lp, int set, const BatchResult& result);

}  // namespace glyphora
