#pragma once
// A level's par, its fewest moves, as the screens may promise it to the player.
#include <cstdint>
#include <optional>

#include "puzzle/Level.h"

namespace qv {

// The solver's answer for `level` from its start, within the hint's bound; nothing when it
// cannot decide in time or the level has no solution.
std::optional<int> WorkOutPar(const Level& level);

// Par of level `index` of the library's current set. Shipped sets and the tutorial take it
// from the shipped table. The player's own set can be edited, so there the solver works it
// out, once a run per level (LevelLibrary::workedOutPar), and nothing is shown when it can't.
std::optional<int> CurrentSetPar(int32_t index);

}  // namespace qv
