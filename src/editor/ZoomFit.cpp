#include "ZoomFit.h"

#include "EditorTool.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace glyphora {

int FitZoom(int glyphWidth, int glyphHeight, PaneSize pane) {
    int best = kDeepZoomLadder[0];
    for (int step : kDeepZoomLadder) {
        // 64-bit products: a pane or glyph of any size cannot overflow them.
        const bool fits = int64_t{std::max(glyphWidth, 0)} * step <= pane.width &&
                          int64_t{std::max(glyphHeight, 0)} * step <= pane.height;
        if (fits) best = step;
    }
    return best;
}

int ZoomTop(int glyphWidth, int glyphHeight, PaneSize pane) {
    return std::max(kZoomLadder[std::size(kZoomLadder) - 1], FitZoom(glyphWidth, glyphHeight, pane));
}

}  // namespace glyphora
