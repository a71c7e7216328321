#pragma once
// What the solver is asked and answers: a move, the limits of a search, its outcome and result,
// and how they read. The search itself (SolveSearch.h, and SolveLevel there) finds a shortest
// solution of a level from its present layout, by A* over packed states with an estimate of the
// moves left that never overestimates (MovesLeftBound); when that runs into its limits, and the
// limits allow it, some way home that may not be the shortest. Used with
// limits wherever an answer is needed quickly (hints, par of the player's own levels, the
// editor's check), and by the qv-solve tool to check and measure levels.
#include <cstddef>
#include <string>
#include <vector>

#include "puzzle/Level.h"

namespace qv {

enum class StepDirection { Up = 0, Down = 1, Left = 2, Right = 3 };

// One move: the shape on `from` steps one tile in `direction`.
struct SolverMove {
    ShapeKind shape = ShapeKind::Circle;
    TilePos from;
    StepDirection direction = StepDirection::Up;
};

// Solved: a shortest solution, proven. Way: solvable, by the way found, which may not be the
// shortest. Undecided: the limits ran out with nothing found either way.
enum class SolveOutcome { Solved, Unsolvable, Undecided, Way };

// Zero means no limit. With maxMoves, longer solutions are not looked for: Unsolvable then
// means none of at most that many moves, which the level tools use to test a move quickly.
// The way's limits are for the search that follows a shortest proof cut short by the first
// two: with no wayStates there is none. States alone (no seconds) make every answer the same
// on every machine.
struct SolverLimits {
    std::size_t maxStates = 0;
    double maxSeconds = 0;
    int maxMoves = 0;
    std::size_t wayStates = 0;
    double waySeconds = 0;
};

// The game's budget for any answer a player waits for (hints, the editor's check, par): the
// search runs a slice per frame with "thinking..." shown and can be cancelled, so it may take
// a few seconds. The shortest proof gets 1,500,000 states or 2 s of searching, then the way
// search as much again. At about 38 bytes a state (41 on the largest boards) each phase holds
// some 60 MB at the very worst, and the proof's memory is gone before the way search starts:
// within what a phone's browser copes with. No shipped level needs a seventh of it from its
// start; on the survey's random levels a way is found for every one the proof leaves open,
// the way's searches taking 940,000 states at most (docs/performance-solver.md).
inline constexpr SolverLimits kHintLimits{1500000, 2.0, 0, 1500000, 2.0};

// Fast: the game's search, with every bound on the moves left it knows. Reference: plain A*
// with each shape's walk home and the calls at goals that must turn white, the search the
// shipped levels were designed and measured with; its states and the solution it returns are
// the level tools' design measures, which must not drift as the fast search improves.
enum class SolveStrategy { Fast, Reference };

struct SolveResult {
    SolveOutcome outcome = SolveOutcome::Undecided;
    int moveCount = 0;                  // fewest moves when Solved, the way's length when Way
    std::vector<SolverMove> solution;   // one shortest solution when Solved, the way when Way
    std::size_t statesExplored = 0;     // distinct states stored
    double seconds = 0;
};

// The tile one step from `from` in `direction` (row 0 is the top).
TilePos StepTarget(TilePos from, StepDirection direction);

// "circle", "star" or "triangle".
const char* ShapeName(ShapeKind kind);

// "solved", "unsolvable", "undecided" or "way".
const char* OutcomeName(SolveOutcome outcome);

// A move as a player reads it, e.g. "star (3,2) right".
std::string DescribeMove(const SolverMove& move);

}  // namespace qv
