#include "puzzle/Level.h"
#include "util/ErrorReport.h"

namespace qv {

namespace {

TilePos Narrowed(int32_t x, int32_t y) {
    return {static_cast<int16_t>(x), static_cast<int16_t>(y)};
}

}  // namespace

void Level::RestoreCell(int32_t x, int32_t y, int32_t color) {
    if (InBoardArray(x, y) && IsValidColor(color)) Tile(x, y) = static_cast<TileColor>(color);
}

void Level::UndoMove() {
    if (playHistory.empty()) return;
    const Command command = playHistory.back();
    playHistory.pop_back();

    if (command.kind != static_cast<int32_t>(CommandKind::ShapeMoved)) {
        ReportError("Cannot undo command. Unknown command.");
        return;
    }
    if (IsValidShape(command.shape)) {
        ShapePos(static_cast<ShapeKind>(command.shape)) = Narrowed(command.fromX, command.fromY);
    } else {
        ReportError("Cannot undo shape movement. Unknown shape.");
    }
    RestoreCell(command.toX, command.toY, command.oldColor);
}

void Level::UndoAllMoves() {
    while (!playHistory.empty()) UndoMove();
}

void Level::UndoEdit() {
    if (editHistory.empty()) return;
    const Command command = editHistory.back();
    editHistory.pop_back();

    const TilePos from = Narrowed(command.fromX, command.fromY);
    switch (static_cast<CommandKind>(command.kind)) {
    case CommandKind::GoalPlaced:
        if (IsValidShape(command.shape)) {
            GoalPos(static_cast<ShapeKind>(command.shape)) = from;
        } else {
            ReportError("Cannot undo goal position. Unknown goal.");
        }
        break;
    case CommandKind::ShapePlaced:
        if (IsValidShape(command.shape)) {
            ShapePos(static_cast<ShapeKind>(command.shape)) = from;
        } else {
            ReportError("Cannot undo shape position. Unknown shape.");
        }
        break;
    case CommandKind::TilePainted:
        RestoreCell(command.toX, command.toY, command.oldColor);
        break;
    case CommandKind::ShiftedLeft: ShiftRight(false); break;
    case CommandKind::ShiftedRight: ShiftLeft(false); break;
    case CommandKind::ShiftedUp: ShiftDown(false); break;
    case CommandKind::ShiftedDown: ShiftUp(false); break;
    default:
        ReportError("Cannot undo command. Unknown command.");
        break;
    }
}

void Level::UndoAllEdits() {
    while (!editHistory.empty()) UndoEdit();
}

void Level::ClearHistories() {
    playHistory.clear();
    editHistory.clear();
}

}  // namespace qv
