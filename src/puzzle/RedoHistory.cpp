#include "puzzle/RedoHistory.h"

namespace qv {

bool RedoHistory::Move(Level& level, TilePos from, int16_t toX, int16_t toY) {
    if (!level.MoveShape(from, toX, toY)) return false;
    redo.clear();
    return true;
}

bool RedoHistory::Undo(Level& level) {
    if (!level.playHistory.empty()) {
        const Command move = level.playHistory.back();
        level.UndoMove();
        redo.push_back({false, move});
        return true;
    }
    if (restarts.empty()) return false;
    const CommandHistory moves = std::move(restarts.back());
    restarts.pop_back();
    for (const Command& move : moves) {
        if (!Remake(level, move)) break;
    }
    redo.push_back({true, {}});
    return true;
}

bool RedoHistory::Redo(Level& level) {
    if (redo.empty()) return false;
    const Step step = redo.back();
    redo.pop_back();
    if (step.restart) {
        restarts.push_back(level.playHistory);
        level.UndoAllMoves();
        return true;
    }
    // The level is as it was before the undo, so the move fits; a damaged record does not, and
    // what lies beyond it can't be trusted either.
    if (Remake(level, step.move)) return true;
    redo.clear();
    return false;
}

void RedoHistory::Restart(Level& level) {
    if (level.playHistory.empty()) return;
    restarts.push_back(level.playHistory);
    level.UndoAllMoves();
    redo.clear();
}

void RedoHistory::Clear() {
    redo.clear();
    restarts.clear();
}

bool RedoHistory::Remake(Level& level, const Command& move) {
    const TilePos from{static_cast<int16_t>(move.fromX), static_cast<int16_t>(move.fromY)};
    return level.MoveShape(from, static_cast<int16_t>(move.toX), static_cast<int16_t>(move.toY));
}

}  // namespace qv
