#pragma once
// The grade and seed that make a generated puzzle.
#include <cstdint>

#include "generator/Grade.h"

namespace qv {

// What makes a generated puzzle: the same two make the same level everywhere.
struct PuzzleSeed {
    Grade grade = Grade::Easy;
    uint32_t seed = 0;
};

}  // namespace qv
