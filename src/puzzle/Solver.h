#pragma once
// What the solver is asked and answers: a move, the limits of a search, its outcome and result,
// and how they read. The search itself (SolveSearch.h, and SolveLevel there) finds a shortest
// solution by A* over packed states with an estimate of the moves left that never overestimates
// (MovesLeftBound). It is used with limits wherever an answer is needed quickly (hints, par of
// the player's own levels, the editor's check), and by the qv-solve tool to check and measure
// levels.
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

enum class SolveOutcome { Solved, Unsolvable, Undecided };

// Zero means no limit. With maxMoves, longer solutions are not looked for: Unsolvable then
// means none of at most that many moves, which the level tools use to test a move quickly.
struct SolverLimits {
    std::size_t maxStates = 0;
    double maxSeconds = 0;
    int maxMoves = 0;
};

// The game's budget for any answer a player waits for (hints, the editor's check, par): about
// a second of searching at most, and a million states at 45 to 55 bytes each, some 55 MB at
// the very worst, for that moment. No shipped level needs a fifth of that from its start.
inline constexpr SolverLimits kHintLimits{1000000, 1.0};

// Fast: the game's search, with every bound on the moves left it knows. Reference: plain A*
// with each shape's walk home and the calls at goals that must turn white, the search the
// shipped levels were designed and measured with; its states and the solution it returns are
// the level tools' design measures, which must not drift as the fast search improves.
enum class SolveStrategy { Fast, Reference };

struct SolveResult {
    SolveOutcome outcome = SolveOutcome::Undecided;
    int moveCount = 0;                  // fewest moves; 0 unless Solved
    std::vector<SolverMove> solution;   // one shortest solution when Solved
    std::size_t statesExplored = 0;     // distinct states stored
    double seconds = 0;
};

// The tile one step from `from` in `direction` (row 0 is the top).
TilePos StepTarget(TilePos from, StepDirection direction);

// "circle", "star" or "triangle".
const char* ShapeName(ShapeKind kind);

// "solved", "unsolvable" or "undecided".
const char* OutcomeName(SolveOutcome outcome);

// A move as a player reads it, e.g. "star (3,2) right".
std::string DescribeMove(const SolverMove& move);

}  // namespace qv
