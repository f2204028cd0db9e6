// The zoom steps above 16:1 and the step at which a glyph fits the pane it is
// shown in. The steps above 16:1 are for large screens: Zoom + climbs to them
// only while the glyph still fits the pane, so a small window keeps the
// ladder 1 to 16.
#pragma once

namespace glyphora {

// The zoom ladder continued past 16:1.
inline constexpr int kDeepZoomLadder[] = {1, 2, 3, 4, 6, 8, 16, 24, 32, 48, 64};

// Screen pixels of the pane around the canvas, without scroll bars.
struct PaneSize {
    int width = 0;
    int height = 0;
    bool operator==(const PaneSize&) const = default;
};

// The largest step of kDeepZoomLadder at which a glyphWidth x glyphHeight
// glyph lies wholly inside the pane; 1 when not even 1:1 fits. A glyph
// without pixels fits at every step its other side allows.
int FitZoom(int glyphWidth, int glyphHeight, PaneSize pane);

// The highest step Zoom + may reach: 16, or the fitting step when higher.
int ZoomTop(int glyphWidth, int glyphHeight, PaneSize pane);

}  // namespace glyphora
