// The back end that draws with FreeType and finds families with fontconfig.
// Faces stay open for the rest of the run, so a batch opens each font once.
#pragma once

#include "FontCache.h"
#include "GlyphRasterizer.h"
#include "Rasterizer.h"

#include <map>
#include <optional>
#include <string>
#include <utility>

namespace glyphora::runecast {

class FreeTypeRasterizer : public Rasterizer {
public:
    Result<DrawnGlyph> draw(const RenderRequest& request) override;

private:
    Result<OpenFace*> face(const std::string& fontName, FontStyle style);

    std::optional<FontCache> cache_;
    std::string cachePath_;
    std::map<std::pair<std::string, FontStyle>, OpenFace> faces_;
};

}  // namespace glyphora::runecast
