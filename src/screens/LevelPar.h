#pragma once
// Working out a level's par, its fewest moves, with the solver; what is known of each level's
// par is the library's (LevelLibrary::Par).
#include <optional>

#include "puzzle/Level.h"
#include "puzzle/Solver.h"
#include "screens/SlicedSolve.h"

namespace qv {

// Starts `search` on `level` from its start, within the hint's bound.
void StartParSearch(SlicedSolve& search, const Level& level);
// What a finished par search promises: the fewest moves, or nothing when it could not decide
// in time or the level has no solution.
std::optional<int> ParFound(const SolveResult& result);

}  // namespace qv
