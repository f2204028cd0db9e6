// The ten tools as data: what the pointer does with each, which shape it
// draws, which colours its buttons give. GlyphEditor drives every tool from
// this table with one press / move / release loop.
#pragma once

#include "EditorTool.h"

namespace glyphora {

// What a press starts; the move and the release follow from it.
enum class ToolAction {
    None,        // no tool down: the pointer only moves the read-out
    Freehand,    // press paints the pixel, moves draw lines, release commits
    Erase,       // press takes the snapshot, moves wipe a square, release commits; hover shows the square
    Flood,       // press fills the area, release commits
    Line,        // press anchors, moves preview, release draws the line and commits
    Shape,       // press anchors, moves preview the box, release draws the shape and commits
    Select,      // the selection tool: drag out, lift and move, drop
    OpenDialog,  // press opens the "Insert text" dialog
};

enum class ShapeKind { None, Rectangle, Ellipse };

struct ToolBehaviour {
    ToolAction action = ToolAction::None;
    ShapeKind shape = ShapeKind::None;
    bool filled = false;         // a shape's inside in the other colour
    bool colourByButton = true;  // left: ink, right: paper; otherwise always paper
};

constexpr ToolBehaviour BehaviourOf(Tool tool) {
    switch (tool) {
    case Tool::None: return {};
    case Tool::Pencil: return {ToolAction::Freehand};
    case Tool::Selection: return {ToolAction::Select};
    case Tool::Text: return {ToolAction::OpenDialog};
    case Tool::Eraser: return {ToolAction::Erase, ShapeKind::None, false, false};
    case Tool::Fill: return {ToolAction::Flood};
    case Tool::Line: return {ToolAction::Line};
    case Tool::Rectangle: return {ToolAction::Shape, ShapeKind::Rectangle};
    case Tool::FilledRectangle: return {ToolAction::Shape, ShapeKind::Rectangle, true};
    case Tool::Ellipse: return {ToolAction::Shape, ShapeKind::Ellipse};
    case Tool::FilledEllipse: return {ToolAction::Shape, ShapeKind::Ellipse, true};
    }
    return {};
}

}  // namespace glyphora
