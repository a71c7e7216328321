#include "screens/EditorPalette.h"

namespace qv {

const std::array<EditorButtonFile, kEditorButtonCount> kEditorButtonFiles = {{
    {"./gui/editor/red.button", EditorButton::Red, kRedSlot},
    {"./gui/editor/yellow.button", EditorButton::Yellow, kYellowSlot},
    {"./gui/editor/blue.button", EditorButton::Blue, kBlueSlot},
    {"./gui/editor/green.button", EditorButton::Green, kGreenSlot},
    {"./gui/editor/orange.button", EditorButton::Orange, kOrangeSlot},
    {"./gui/editor/purple.button", EditorButton::Purple, kPurpleSlot},
    {"./gui/editor/white.button", EditorButton::White, kWhiteSlot},
    {"./gui/editor/black.button", EditorButton::Black, kBlackSlot},
    {"./gui/editor/circle.button", EditorButton::Circle, kCircleToolSlot},
    {"./gui/editor/star.button", EditorButton::Star, kStarToolSlot},
    {"./gui/editor/triangle.button", EditorButton::Triangle, kTriangleToolSlot},
    {"./gui/editor/circlegoal.button", EditorButton::CircleGoal, kCircleGoalToolSlot},
    {"./gui/editor/stargoal.button", EditorButton::StarGoal, kStarGoalToolSlot},
    {"./gui/editor/trianglegoal.button", EditorButton::TriangleGoal, kTriangleGoalToolSlot},
    {"./gui/editor/up.button", EditorButton::ShiftUp, kShiftUpSlot},
    {"./gui/editor/down.button", EditorButton::ShiftDown, kShiftDownSlot},
    {"./gui/editor/left.button", EditorButton::ShiftLeft, kShiftLeftSlot},
    {"./gui/editor/right.button", EditorButton::ShiftRight, kShiftRightSlot},
    {"./gui/editor/undo.button", EditorButton::Undo, kUndoButtonSlot},
    {"./gui/editor/play.button", EditorButton::Play, kPlayButtonSlot},
    {"./gui/editor/save.button", EditorButton::Save, kSaveButtonSlot},
    {"./gui/editor/exit.button", EditorButton::Exit, kExitButtonSlot},
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
