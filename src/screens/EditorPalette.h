#pragma once
// The editor's 22 buttons: the file each is read from, the sprite slot that shows it, and the
// tool or command a click on it stands for; and the editor's sprite slots.
#include <array>
#include <cstdint>
#include <optional>

#include "puzzle/Types.h"
#include "render/BoardView.h"

namespace qv {

// In the order the buttons are offered each event: commands first, then the 14 tool buttons
// (colours, shapes, goals), then the shifts.
enum class EditorButton : int {
    Undo, Play, Save, Exit,
    Red, Yellow, Blue, Green, Purple, Orange, White, Black,
    Circle, Star, Triangle,
    CircleGoal, StarGoal, TriangleGoal,
    ShiftUp, ShiftDown, ShiftLeft, ShiftRight,
};
constexpr int kEditorButtonCount = 22;

// What the latched tool puts on the board.
enum class ToolKind : int32_t { Color = 0, Shape = 1, Goal = 2 };

struct EditorButtonFile {
    const char* path;
    EditorButton button;
    int slot;
};

// In the order the files are read (which is not the order of the slots).
extern const std::array<EditorButtonFile, kEditorButtonCount> kEditorButtonFiles;

// The editor's own sprite slots, after the board view's, in drawing order: the palette's
// colours, shapes and goals, the shifts, the commands, then the "checking..." label's shadow
// and text. The name field's caret is drawn in the slot just past them.
enum EditorSlot : int {
    kRedSlot = kBoardViewSlots,
    kYellowSlot,
    kBlueSlot,
    kGreenSlot,
    kPurpleSlot,
    kOrangeSlot,
    kWhiteSlot,
    kBlackSlot,
    kCircleToolSlot,
    kStarToolSlot,
    kTriangleToolSlot,
    kCircleGoalToolSlot,
    kStarGoalToolSlot,
    kTriangleGoalToolSlot,
    kShiftUpSlot,
    kShiftDownSlot,
    kShiftLeftSlot,
    kShiftRightSlot,
    kUndoButtonSlot,
    kPlayButtonSlot,
    kSaveButtonSlot,
    kExitButtonSlot,
    kCheckingShadowSlot,
    kCheckingSlot,
    kEditorSpriteCount
};

struct ToolChoice {
    ToolKind kind = ToolKind::Color;
    int32_t value = 0;  // a TileColor for colours, a ShapeKind for shapes and goals
};
// The tool a palette button selects; none for the command and shift buttons.
std::optional<ToolChoice> ToolOfButton(EditorButton button);

inline int Index(EditorButton button) { return static_cast<int>(button); }

}  // namespace qv
