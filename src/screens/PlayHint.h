#pragma once
// Hints on the play screen: the next move of a shortest solution from the position the player
// has reached. The solver works within a fixed budget, on the play screen a slice per pass, so
// asking never freezes the game.
#include "puzzle/Level.h"
#include "puzzle/Solver.h"

namespace qv {

enum class HintOutcome {
    Move,           // `move` is the first step of a shortest solution from here
    AlreadySolved,  // every shape is home
    NoWayHome,      // no sequence of moves solves the level from here
    OutOfTime,      // the budget ran out first; says nothing about whether it can be solved
};

struct Hint {
    HintOutcome outcome = HintOutcome::OutOfTime;
    SolverMove move;
};

// Only reads `level`: its tiles, shapes and histories stay as they are. Searches to the end in
// one go; the play screen runs the same search in slices and reads it with HintFrom.
Hint FindHint(const Level& level, const SolverLimits& limits = kHintLimits);
// The hint a finished search from the player's position gives.
Hint HintFrom(const SolveResult& result);

// The boxes for the outcomes without a move to show (each line fits the box's width).
inline constexpr char kNoWayHomeTitle[] = "No way home from here";
inline constexpr char kNoWayHomeText[] =
    "The shapes can't all reach their goals\nfrom this position.\n"
    "Use Undo or Restart to try another way.";
inline constexpr char kOutOfTimeTitle[] = "No hint this time";
inline constexpr char kOutOfTimeText[] =
    "The hint could not be worked out in time.\nTry a few more moves, then ask again.";

}  // namespace qv
