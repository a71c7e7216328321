#include "screens/EditorCheck.h"

#include "puzzle/SolveSearch.h"

namespace qv {

std::string SolvableTitle(int moves) {
    return "Solvable in " + std::to_string(moves) + (moves == 1 ? " move" : " moves");
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
        }
        break;
    case SolveOutcome::Unsolvable:
        check.title = kCannotBeSolvedTitle;
        check.text = kCannotBeSolvedText;
        break;
    case SolveOutcome::Undecided:
        // A search cut short proves nothing either way.
        check.title = kCheckGaveUpTitle;
        check.text = kCheckGaveUpText;
        break;
    }
    return check;
}

}  // namespace qv
