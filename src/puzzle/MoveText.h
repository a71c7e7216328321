#pragma once
// Moves as a short text, for what is kept of a level between runs (a position to go on from, the
// player's best solution): two letters a move, the shape (c, s, t) and the way it stepped (u, d,
// l, r). The tile a move starts from is not written: replaying from the level's start finds it,
// and a move the level refuses shows that the text does not belong to it.
#include <optional>
#include <string>
#include <vector>

#include "puzzle/Command.h"
#include "puzzle/Level.h"
#include "puzzle/Solver.h"

namespace qv {

// The moves of a play history, oldest first; records that are no shape's step are left out.
std::vector<SolverMove> MovesOf(const CommandHistory& history);
std::string MoveText(const std::vector<SolverMove>& moves);
// Nothing for a text that is not letter pairs of the kind MoveText writes. The moves' `from` is
// left unset: PlayMoves takes each shape where it stands.
std::optional<std::vector<SolverMove>> ReadMoveText(const std::string& text);
// Makes each move with the shape from the tile it stands on now; false at the first one the
// level refuses (the moves before it stay made).
bool PlayMoves(Level& level, const std::vector<SolverMove>& moves);
// A level's board before any move: what the moves kept beside it start from.
Level StartOf(const Level& level);

}  // namespace qv
