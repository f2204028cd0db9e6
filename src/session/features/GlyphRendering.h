// "Replace the chosen symbols" without its windows: each glyph of a range
// drawn anew from a desktop font by a GlyphRenderer and stored. The real
// renderer is the program Runecast; tests give their own.
#pragma once

#include "GlyphBatch.h"
#include "RendererCall.h"

#include <MonoImage.h>
#include <RgbaImage.h>

#include <chrono>
#include <string>

namespace glyphora {

inline constexpr int kRenderedMaxWidth = 15;

// A drawn glyph: `width` 1 to 15, the image GlyphImageWidth(width) x height
// with paper beyond the width and below the drawing.
struct GlyphPicture {
    MonoImage image;
    int width = 1;
};

class GlyphRenderer {
public:
    virtual ~GlyphRenderer() = default;
    // Character `code`, `height` rows high. An error of kind Failed concerns
    // this glyph alone (it keeps its pixels, the batch goes on); an error of
    // any other kind ends the batch.
    virtual Result<GlyphPicture> draw(uint16_t code, int height) = 0;
};

// The top-left 15 x height pixels of a picture as ink and paper: the width
// is the picture's, at most 15; rows below a short picture are paper.
GlyphPicture PictureFromBitmap(const RgbaImage& bitmap, int height);

// The renderer program: temp.bmp in its folder is removed, the program run
// (RunAndWait, at most `timeout`) and temp.bmp read back. A glyph fails when
// the program could not be started, ran too long, ended with a status other
// than 0 or left no temp.bmp; a temp.bmp that cannot be removed or read ends
// the batch, with a message that names it.
class RunecastRenderer : public GlyphRenderer {
public:
    RunecastRenderer(std::string programPath, RenderFont font, std::chrono::milliseconds timeout = kRendererTimeout);
    Result<GlyphPicture> draw(uint16_t code, int height) override;

private:
    std::string programPath_;
    std::string bitmapPath_;
    RenderFont font_;
    std::chrono::milliseconds timeout_;
};

// Draws every glyph of the range by its code and stores it. Stops at an error
// that ends the batch, or when `progress` says so.
BatchResult RenderGlyphs(const std::vector<Symbols>& glyphs, GlyphRange range, int height, GlyphRenderer& renderer,
                         const GlyphStore& store, const BatchProgress& progress = {});

}  // namespace glyphora
