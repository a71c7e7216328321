#pragma once
// A level's par, its fewest moves, as the screens may promise it to the player.
#include <cstdint>
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

// Par of level `index` of the library's current set, as far as it is known. Shipped sets and
// the tutorial take it from the shipped table. The player's own set can be edited, so there the
// solver works it out, once a run per level (LevelLibrary::workedOutPar): nothing is known
// before then, nor when it can't decide.
std::optional<int> CurrentSetPar(int32_t index);
// Whether level `index` of the current set is one of the player's own whose par the solver has
// yet to work out this run.
bool SetParUnknown(int32_t index);

}  // namespace qv
