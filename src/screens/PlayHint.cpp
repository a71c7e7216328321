#include "screens/PlayHint.h"

namespace qv {

Hint FindHint(const Level& level, const SolverLimits& limits) {
    Hint hint;
    if (level.IsSolved()) {
        hint.outcome = HintOutcome::AlreadySolved;
        return hint;
    }
    const SolveResult result = SolveLevel(level, limits);
    switch (result.outcome) {
    case SolveOutcome::Solved:
        if (result.solution.empty()) {
            hint.outcome = HintOutcome::AlreadySolved;
        } else {
            hint.outcome = HintOutcome::Move;
            hint.move = result.solution.front();
        }
        break;
    case SolveOutcome::Unsolvable:
        hint.outcome = HintOutcome::NoWayHome;
        break;
    case SolveOutcome::Undecided:
        hint.outcome = HintOutcome::OutOfTime;
        break;
    }
    return hint;
}

}  // namespace qv
