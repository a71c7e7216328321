#include "screens/EditorCheck.h"

#include "puzzle/SolveSearch.h"

namespace qv {

namespace {

std::string Moves(int moves) { return std::to_string(moves) + (moves == 1 ? " move" : " moves"); }

}  // namespace

std::string SolvableTitle(int moves) { return "Solvable in " + Moves(moves); }

std::string FewestText(int moves) { return SolvableTitle(moves) + ", the fewest."; }

std::string WayText(int moves) {
    return "Solvable: a way in " + Moves(moves) + " found;\nfewer may be possible.";
}

LevelCheck CheckLevel(const Level& level, const SolverLimits& limits) {
    return CheckFrom(SolveLevel(level, limits));
}

bool SamePuzzle(const Level& a, const Level& b) {
    Level renamed = b;
    renamed.name = a.name;
    return a.SameContent(renamed);
}

LevelCheck CheckFrom(const SolveResult& result) {
    LevelCheck check;
    check.outcome = result.outcome;
    switch (result.outcome) {
    case SolveOutcome::Solved:
        check.moveCount = result.moveCount;
        if (result.moveCount == 0) {
            check.title = kStartsSolvedTitle;
            check.text = kStartsSolvedText;
        } else {
            check.title = SolvableTitle(result.moveCount);
            check.text = FewestText(result.moveCount);
        }
        break;
    case SolveOutcome::Way:
        check.moveCount = result.moveCount;
        check.title = kSolvableTitle;
        check.text = WayText(result.moveCount);
        break;
    case SolveOutcome::Unsolvable:
        check.title = kCannotBeSolvedTitle;
        check.text = kCannotBeSolvedText;
        break;
    case SolveOutcome::Undecided:
        // A search cut short with nothing found proves nothing either way.
        check.title = kCheckGaveUpTitle;
        check.text = kCheckGaveUpText;
        break;
    }
    return check;
}

}  // namespace qv
