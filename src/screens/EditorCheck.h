#pragma once
// The editor's solvability check: whether the level as it stands can be solved, and in how few
// moves, told as a message box. It solves within the game's fixed budget, a slice per pass, so
// the editor never freezes meanwhile. Where the fewest moves are out of reach it tells of a way
// it found; only when it found nothing either way does it give up.
#include <string>

#include "puzzle/Level.h"
#include "puzzle/Solver.h"
#include "screens/PlayHint.h"

namespace qv {

inline constexpr char kStartsSolvedTitle[] = "This level starts solved";
inline constexpr char kStartsSolvedText[] = "Every shape already stands on its goal.";
inline constexpr char kCannotBeSolvedTitle[] = "This level cannot be solved";
inline constexpr char kCannotBeSolvedText[] =
    "Not solvable.\nNo sequence of moves brings every shape\nto its goal.";
inline constexpr char kSolvableTitle[] = "Solvable";
inline constexpr char kCheckGaveUpTitle[] = "The check gave up";
inline constexpr char kCheckGaveUpText[] =
    "Neither a way home nor a proof that there is\nnone was found in time. It may well be\n"
    "solvable: try it with Play.";

struct LevelCheck {
    SolveOutcome outcome = SolveOutcome::Undecided;
    int moveCount = 0;  // fewest moves when Solved, the way's moves when Way
    std::string title;
    std::string text;
};

// Only reads `level`: its layout, name and histories stay as they are. Searches to the end in
// one go; the editor runs the same search in slices and reads it with CheckFrom.
LevelCheck CheckLevel(const Level& level, const SolverLimits& limits = kHintLimits);
// The answer a finished search from the level's start gives.
LevelCheck CheckFrom(const SolveResult& result);
// Whether two levels are the same puzzle, whatever their names: what a check or par is about.
bool SamePuzzle(const Level& a, const Level& b);

// "Solvable in 1 move", "Solvable in 12 moves".
std::string SolvableTitle(int moves);
// "Solvable in 12 moves, the fewest." and "Solvable: a way in 40 moves found;\nfewer may be
// possible."
std::string FewestText(int moves);
std::string WayText(int moves);

}  // namespace qv
