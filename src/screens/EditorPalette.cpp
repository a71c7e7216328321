#include "screens/EditorPalette.h"

namespace qv {

const std::array<EditorButtonFile, kEditorButtonCount> kEditorButtonFiles = {{
    {"./gui/editor/red.button", EditorButton::Red, 9},
    {"./gui/editor/yellow.button", EditorButton::Yellow, 10},
    {"./gui/editor/blue.button", EditorButton::Blue, 11},
    {"./gui/editor/green.button", EditorButton::Green, 12},
    {"./gui/editor/orange.button", EditorButton::Orange, 14},
    {"./gui/editor/purple.button", EditorButton::Purple, 13},
    {"./gui/editor/white.button", EditorButton::White, 15},
    {"./gui/editor/black.button", EditorButton::Black, 16},
    {"./gui/editor/circle.button", EditorButton::Circle, 17},
    {"./gui/editor/star.button", EditorButton::Star, 18},
    {"./gui/editor/triangle.button", EditorButton::Triangle, 19},
    {"./gui/editor/circlegoal.button", EditorButton::CircleGoal, 20},
    {"./gui/editor/stargoal.button", EditorButton::StarGoal, 21},
    {"./gui/editor/trianglegoal.button", EditorButton::TriangleGoal, 22},
    {"./gui/editor/up.button", EditorButton::ShiftUp, 23},
    {"./gui/editor/down.button", EditorButton::ShiftDown, 24},
    {"./gui/editor/left.button", EditorButton::ShiftLeft, 25},
    {"./gui/editor/right.button", EditorButton::ShiftRight, 26},
    {"./gui/editor/undo.button", EditorButton::Undo, 27},
    {"./gui/editor/play.button", EditorButton::Play, 28},
    {"./gui/editor/save.button", EditorButton::Save, 29},
    {"./gui/editor/exit.button", EditorButton::Exit, 30},
}};

namespace {

ToolChoice ColorTool(TileColor color) { return {ToolKind::Color, static_cast<int32_t>(color)}; }
ToolChoice Piece(ToolKind kind, ShapeKind shape) { return {kind, static_cast<int32_t>(shape)}; }

}  // namespace

std::optional<ToolChoice> ToolOfButton(EditorButton button) {
    switch (button) {
    case EditorButton::Red: return ColorTool(TileColor::Red);
    case EditorButton::Yellow: return ColorTool(TileColor::Yellow);
    case EditorButton::Blue: return ColorTool(TileColor::Blue);
    case EditorButton::Green: return ColorTool(TileColor::Green);
    case EditorButton::Purple: return ColorTool(TileColor::Purple);
    case EditorButton::Orange: return ColorTool(TileColor::Orange);
    case EditorButton::White: return ColorTool(TileColor::White);
    case EditorButton::Black: return ColorTool(TileColor::Black);
    case EditorButton::Circle: return Piece(ToolKind::Shape, ShapeKind::Circle);
    case EditorButton::Star: return Piece(ToolKind::Shape, ShapeKind::Star);
    case EditorButton::Triangle: return Piece(ToolKind::Shape, ShapeKind::Triangle);
    case EditorButton::CircleGoal: return Piece(ToolKind::Goal, ShapeKind::Circle);
    case EditorButton::StarGoal: return Piece(ToolKind::Goal, ShapeKind::Star);
    case EditorButton::TriangleGoal: return Piece(ToolKind::Goal, ShapeKind::Triangle);
    default: return std::nullopt;
    }
}

}  // namespace qv
