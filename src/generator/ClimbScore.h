#pragma once
// How near a measured candidate is to a good puzzle of the grade asked for, so that the
// generator can climb towards one a change at a time: the filter's rules as distances, in whole
// numbers (a score must compare the same on every machine).
#include <climits>

#include "generator/Grade.h"
#include "generator/PuzzleRules.h"
#include "puzzle/Level.h"
#include "puzzle/LevelMeasures.h"

namespace qv {

constexpr int kNoScore = INT_MIN;

// Higher is nearer; kNoScore without a proven shortest solution. The first moves count once
// measured (m.complete).
int ClimbScore(const Level& level, const LevelMeasures& m, Grade grade, const PuzzleRules& rules);

// Solved, with the moves, runs, detour and detour share of a puzzle of `grade`: all a search
// without the first moves can tell.
bool ShapeKept(const LevelMeasures& m, Grade grade, const PuzzleRules& rules);

// ShapeKept, and the first moves measured and kept too: a puzzle once its colours are simple.
bool StartsKept(const LevelMeasures& m, Grade grade, const PuzzleRules& rules);

}  // namespace qv
