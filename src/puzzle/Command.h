#pragma once
// One recorded change of a level, so that it can be taken back.
#include <cstdint>
#include <deque>

namespace qv {

enum class CommandKind : int32_t {
    ShapeMoved = 0,
    GoalPlaced = 1,
    ShapePlaced = 2,
    TilePainted = 3,
    ShiftedLeft = 4,
    ShiftedRight = 5,
    ShiftedUp = 6,
    ShiftedDown = 7,
};

struct Command {
    int32_t kind = 0;     // a CommandKind value
    int32_t fromX = 0;    // a position before the change
    int32_t fromY = 0;
    int32_t toX = 0;      // a cell the change recoloured
    int32_t toY = 0;
    int32_t oldColor = 0; // that cell's colour before the change
    int32_t shape = 0;    // the ShapeKind concerned
};

using CommandHistory = std::deque<Command>;

}  // namespace qv
