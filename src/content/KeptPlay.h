#pragma once
// What is kept of the player's plays beside the records, each in a file of its own: the position
// each level was left in unsolved, to go on from, and each level's best solution, to watch again.
#include "content/KeptMoves.h"

namespace qv {

struct KeptPlay {
    KeptMoves positions{kContinueFilePath};
    KeptMoves solutions{kSolutionsFilePath};
};

}  // namespace qv
