#include "screens/LevelPar.h"

namespace qv {

void StartParSearch(SlicedSolve& search, const Level& level) {
    Level start = level;
    start.UndoAllMoves();
    // Par must be proven: a way that may not be the shortest is no par, so none is looked for.
    SolverLimits limits = kHintLimits;
    limits.wayStates = 0;
    search.Start(start, limits);
}

std::optional<int> ParFound(const SolveResult& result) {
    if (result.outcome != SolveOutcome::Solved) return std::nullopt;
    return result.moveCount;
}

}  // namespace qv
