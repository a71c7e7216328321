#include "screens/LevelPar.h"

namespace qv {

void StartParSearch(SlicedSolve& search, const Level& level) {
    Level start = level;
    start.UndoAllMoves();
    search.Start(start);
}

std::optional<int> ParFound(const SolveResult& result) {
    if (result.outcome != SolveOutcome::Solved) return std::nullopt;
    return result.moveCount;
}

}  // namespace qv
