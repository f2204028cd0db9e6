// The tools of the glyph editor's palette, the mouse buttons, and the zoom ladder.
#pragma once

namespace glyphora {

enum class Tool {
    None,
    Pencil,           // SpeedButton9
    Selection,        // SpeedButton20
    Text,             // SpeedButton23
    Eraser,           // SpeedButton21
    Fill,             // SpeedButton22
    Line,             // SpeedButton24
    Rectangle,        // SpeedButton25
    FilledRectangle,  // SpeedButton26
    Ellipse,          // SpeedButton27
    FilledEllipse,    // SpeedButton28
};

enum class MouseButton { Left, Right, Middle };

inline constexpr int kZoomLadder[] = {1, 2, 3, 4, 6, 8, 16};

}  // namespace glyphora
