#pragma once
// Hints on the play screen: the next move of a shortest solution from the position the player
// has reached, or, when the shortest is out of the solver's reach, of some way home it found.
// The solver works within a fixed budget, on the play screen a slice per pass, so asking never
// freezes the game.
#include "puzzle/Level.h"
#include "puzzle/Solver.h"

namespace qv {

enum class HintOutcome {
    Move,           // `move` is the first step of a way home from here (see Hint::shortest)
    AlreadySolved,  // every shape is home
    NoWayHome,      // no sequence of moves solves the level from here
    OutOfTime,      // the budget ran out with no way found; says nothing about whether it can be solved
};

struct Hint {
    HintOutcome outcome = HintOutcome::OutOfTime;
    SolverMove move;
    bool shortest = true;  // a Move along a proven shortest solution, not just some way home
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
// Under the restart button, in two lines, while the arrow shows a move along a way home that
// may not be a shortest one.
inline constexpr char kWayHintLine[] = "a way home,";
inline constexpr char kWayHintLine2[] = "maybe not the shortest";

}  // namespace qv
