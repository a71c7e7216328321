#include "screens/PlayKeeping.h"

#include <string>

#include "puzzle/BoardTag.h"
#include "puzzle/MoveText.h"

namespace qv {

namespace {

// The key the current level's plays are kept under; empty when nothing may be kept for it.
std::string KeyOfCurrent(const GameContext& context) {
    const LevelLibrary& library = context.library;
    const Level& level = library.CurrentLevel();
    if (level.fromEditor || level.fromLink) return {};
    return library.LevelKey(library.CurrentLevelIndex());
}

}  // namespace

std::string ResumedText(int moves) {
    return "Your " + std::to_string(moves) + (moves == 1 ? " move is" : " moves are") +
           " back, as you left the level.\n"
           "Restart (Ctrl+R) starts afresh; Undo (Ctrl+Z)\n"
           "then brings your moves back.";
}

int ResumeKeptPosition(GameContext& context) {
    const std::string key = KeyOfCurrent(context);
    if (key.empty()) return 0;
    Level& level = context.library.CurrentLevel();
    const auto text = context.kept.positions.Find(key, BoardTag(level));
    if (!text) return 0;
    const auto moves = ReadMoveText(*text);
    // A position that does not play on this board, or that solves it, is nothing to go on from.
    if (!moves || !PlayMoves(level, *moves) || level.IsSolved()) {
        level.UndoAllMoves();
        context.kept.positions.Forget(key);
        return 0;
    }
    return static_cast<int>(level.playHistory.size());
}

void KeepPosition(GameContext& context) {
    const std::string key = KeyOfCurrent(context);
    if (key.empty()) return;
    const Level& level = context.library.CurrentLevel();
    KeptMoves& positions = context.kept.positions;
    if (level.playHistory.empty() || level.IsSolved()) {
        positions.Forget(key);
        return;
    }
    positions.Keep(key, BoardTag(StartOf(level)), MoveText(MovesOf(level.playHistory)));
}

void KeepSolution(GameContext& context, int record) {
    const std::string key = KeyOfCurrent(context);
    const Level& level = context.library.CurrentLevel();
    const int moves = static_cast<int>(level.playHistory.size());
    if (key.empty() || !level.IsSolved() || moves > record) return;
    const std::string tag = BoardTag(StartOf(level));
    KeptMoves& solutions = context.kept.solutions;
    const auto kept = solutions.Find(key, tag);
    if (kept && kept->size() / 2 <= static_cast<std::size_t>(moves)) return;
    solutions.Keep(key, tag, MoveText(MovesOf(level.playHistory)));
}

std::optional<std::vector<SolverMove>> KeptSolution(GameContext& context) {
    const std::string key = KeyOfCurrent(context);
    if (key.empty()) return std::nullopt;
    const Level& level = context.library.CurrentLevel();
    const auto text = context.kept.solutions.Find(key, BoardTag(StartOf(level)));
    if (!text) return std::nullopt;
    return ReadMoveText(*text);
}

}  // namespace qv
