#include "screens/PlayHint.h"

#include "puzzle/SolveSearch.h"

namespace qv {

Hint FindHint(const Level& level, const SolverLimits& limits) {
    if (level.IsSolved()) return Hint{HintOutcome::AlreadySolved, {}};
    return HintFrom(SolveLevel(level, limits));
}

Hint HintFrom(const SolveResult& result) {
    Hint hint;
    switch (result.outcome) {
    case SolveOutcome::Solved:
    case SolveOutcome::Way:
        hint.shortest = result.outcome == SolveOutcome::Solved;
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
