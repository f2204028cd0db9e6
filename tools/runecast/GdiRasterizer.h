// The back end that draws with GDI on Windows: the system's own fonts, or a
// font file added for this process alone.
#pragma once

#include "Rasterizer.h"

#include <map>
#include <string>

namespace glyphora::runecast {

class GdiRasterizer : public Rasterizer {
public:
    Result<DrawnGlyph> draw(const RenderRequest& request) override;

private:
    // The family each font file was added under, so a batch adds it once.
    std::map<std::string, std::wstring> addedFiles_;
};

}  // namespace glyphora::runecast
